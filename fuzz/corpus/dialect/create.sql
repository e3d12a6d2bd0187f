CREATE PROCEDURE dbo.Lista @a int, @b varchar(10) = 'x' AS
BEGIN
 select isnull(@b, ''), GETDATE(), DATEDIFF(YY, '20000101', GETDATE()), CONVERT(varchar(11), GETDATE(), 113)
END
