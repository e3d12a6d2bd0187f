CREATE OR ALTER PROCEDURE dbo.getConfiguraMailPortalEmpleado @empresa varchar(20) AS
-- Mail configuration of a company, fifteen columns in the order the mail sender reads them.
SELECT servidor, cuenta, puerto, concopia, usuario, password, autenticacion, tipo_autenticacion, nombre, puesto, ssl, tls, mail_rh,
  fecha_modificacion, id
FROM PortalEmpleadoConfigMail WHERE empresa = CAST(@empresa AS INTEGER)
GO

CREATE OR ALTER PROCEDURE dbo.PortalEmpleadoConfiguraMail @empresa varchar(20), @servidor varchar(100), @cuenta varchar(100), @puerto varchar(10), @concopia varchar(5), @usuario varchar(100), @password varchar(100), @autenticacion varchar(5), @tipo varchar(60), @nombre varchar(100), @puesto varchar(100), @ssl varchar(5), @tls varchar(5), @mailrh varchar(100) AS
INSERT INTO PortalEmpleadoConfigMail (empresa, servidor, cuenta, puerto, concopia, usuario, password, autenticacion, tipo_autenticacion,
  nombre, puesto, ssl, tls, mail_rh, fecha_modificacion)
VALUES (CAST(@empresa AS INTEGER), @servidor, @cuenta, @puerto, @concopia, @usuario, @password, @autenticacion, @tipo, @nombre, @puesto,
  @ssl, @tls, @mailrh, datetime('now', 'localtime'))
ON CONFLICT (empresa) DO UPDATE SET servidor = excluded.servidor, cuenta = excluded.cuenta, puerto = excluded.puerto,
  concopia = excluded.concopia, usuario = excluded.usuario, password = excluded.password, autenticacion = excluded.autenticacion,
  tipo_autenticacion = excluded.tipo_autenticacion, nombre = excluded.nombre, puesto = excluded.puesto, ssl = excluded.ssl,
  tls = excluded.tls, mail_rh = excluded.mail_rh, fecha_modificacion = excluded.fecha_modificacion
GO

CREATE OR ALTER PROCEDURE dbo.PortalEmpleadoGuardaLogo @empresa varchar(20), @logo varchar(500), @firma varchar(500) AS
INSERT OR REPLACE INTO PORTALEMPLEADOLOGO (idempresa, rutaImagen, rutaFirma) VALUES (CAST(@empresa AS INTEGER), @logo, @firma)
GO

CREATE OR ALTER PROCEDURE dbo.PortalEmpleadoListadoPoliticas @empresa varchar(20) AS
-- Column 2 is the policy identifier, 3 its name, 4 the file.
SELECT empresa AS empresa, id AS id, nombre AS nombre, archivo AS archivo FROM PortalEmpleadoPoliticas
WHERE empresa = CAST(@empresa AS INTEGER) ORDER BY id
GO

CREATE OR ALTER PROCEDURE dbo.PortalEmpleadoGuardaPoliticas @empresa varchar(20), @id varchar(20), @nombre varchar(200), @archivo varchar(500) AS
-- Identifier 0 adds a policy, any other changes that one.
INSERT INTO PortalEmpleadoPoliticas (empresa, nombre, archivo)
SELECT CAST(@empresa AS INTEGER), trim(@nombre), trim(@archivo) WHERE CAST(trim(@id) AS INTEGER) = 0;
UPDATE PortalEmpleadoPoliticas SET nombre = trim(@nombre), archivo = trim(@archivo)
WHERE CAST(trim(@id) AS INTEGER) <> 0 AND id = CAST(trim(@id) AS INTEGER) AND empresa = CAST(@empresa AS INTEGER)
GO

CREATE OR ALTER PROCEDURE dbo.PortalEmpleadoEliminaPolitica @empresa varchar(20), @id varchar(20) AS
DELETE FROM PortalEmpleadoPoliticas WHERE id = CAST(trim(@id) AS INTEGER) AND empresa = CAST(@empresa AS INTEGER)
GO

CREATE OR ALTER PROCEDURE dbo.PortalEmpleadoListadoConsolidar @excepciones varchar(5) AS
-- 1: the employees excepted from seeing receipts of all companies; 0: those who may be added.
SELECT e.empresa AS empresa, e.codigo AS codigo, trim(e.nombre || ' ' || e.ap_paterno || ' ' || COALESCE(e.ap_materno, '')) AS nombre
FROM empleados e
WHERE e.fch_baja IS NULL AND (CASE WHEN EXISTS (SELECT 1 FROM PortalEmpleadoConsolidar x WHERE x.empresa = e.empresa AND x.codigo = e.codigo)
  THEN 1 ELSE 0 END) = CAST(@excepciones AS INTEGER)
ORDER BY e.empresa, e.codigo
GO

CREATE OR ALTER PROCEDURE dbo.PortaEmpleado_MantenimientoConsolidar @empresa varchar(20), @codigo varchar(20) AS
-- Toggles the employee's exception.
DELETE FROM PortalEmpleadoConsolidar WHERE empresa = CAST(@empresa AS INTEGER) AND codigo = CAST(@codigo AS INTEGER);
INSERT INTO PortalEmpleadoConsolidar (empresa, codigo)
SELECT CAST(@empresa AS INTEGER), CAST(@codigo AS INTEGER) WHERE changes() = 0 AND CAST(@codigo AS INTEGER) <> 0
GO
