if not exists (select * from sysobjects where name = 'T')
CREATE TABLE T (a int)
GO
GOTO fin
select 1
go 5
бс texto windows-1252
