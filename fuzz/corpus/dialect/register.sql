if not exists (select * from sysobjects where name='ActualDB') CREATE TABLE dbo.ActualDB (Nombre varchar(100)) ON [Primary]
