CREATE OR ALTER PROCEDURE dbo.peValidaEntrada @codigo varchar(20), @password varchar(60), @opcion1 int = 0, @opcion2 int = 0 AS
-- Login, password, permissions, company data and the session's selected companies.
SELECT e.empresa AS empresa, em.registro_patronal AS registro_patronal, e.codigo AS codigo,
  CASE WHEN e.password IS NOT NULL AND e.password <> @password THEN 'No Existe el empleado o la contraseña no coincide'
       ELSE em.nombre_empresa END AS nombre_empresa,
  COALESCE(NULLIF(e.password, ''), e.rfc) AS password,
  e.afiliacion AS afiliacion, e.curp AS curp,
  trim(e.nombre || ' ' || e.ap_paterno || ' ' || COALESCE(e.ap_materno, '')) AS nombre,
  COALESCE(d.email, e.mail, '') AS email
FROM empleados e JOIN empresas em ON em.empresa = e.empresa
LEFT JOIN datosemps d ON d.empresa = e.empresa AND d.codigo = e.codigo
WHERE e.codigo = CAST(trim(@codigo) AS INTEGER) AND trim(@codigo) GLOB '[0-9]*' AND e.fch_baja IS NULL
UNION ALL
SELECT 0, '', CAST(trim(@codigo) AS INTEGER), 'No Existe el empleado', '', '', '', '', ''
WHERE NOT EXISTS (SELECT 1 FROM empleados e WHERE e.codigo = CAST(trim(@codigo) AS INTEGER)
  AND trim(@codigo) GLOB '[0-9]*' AND e.fch_baja IS NULL)
GO

CREATE OR ALTER PROCEDURE dbo.peValidaPasswordNulo @codigo varchar(20), @empresa varchar(20) AS
SELECT COALESCE(password, '') AS password FROM empleados
WHERE codigo = CAST(@codigo AS INTEGER) AND empresa = CAST(@empresa AS INTEGER)
GO

CREATE OR ALTER PROCEDURE dbo.portalEmpleadoActualizaPassword @password varchar(60), @codigo varchar(20), @empresa varchar(20) AS
UPDATE empleados SET password = @password
WHERE codigo = CAST(@codigo AS INTEGER) AND empresa = CAST(@empresa AS INTEGER)
GO

CREATE OR ALTER PROCEDURE dbo.permisoEmpleadoPerfil @empresa varchar(20), @codigo varchar(20), @funcion varchar(10), @opcion varchar(10) AS
SELECT CASE WHEN EXISTS (
  SELECT 1 FROM empleados e JOIN PortalPerfilPermisos p ON p.perfil = e.perfil
  WHERE e.empresa = CAST(@empresa AS INTEGER) AND e.codigo = CAST(@codigo AS INTEGER)
    AND p.funcion = upper(trim(@funcion)) AND p.opcion = upper(trim(@opcion))) THEN 1 ELSE 0 END AS permiso
GO

CREATE OR ALTER PROCEDURE dbo.permisoEmpleadoVerSueldo @empresa varchar(20), @codigo varchar(20) AS
SELECT COALESCE(p.ver_sueldo, 'N') AS ver_sueldo
FROM empleados e LEFT JOIN PortalPerfiles p ON p.perfil = e.perfil
WHERE e.empresa = CAST(@empresa AS INTEGER) AND e.codigo = CAST(@codigo AS INTEGER)
GO

CREATE OR ALTER PROCEDURE dbo.peGetCompanyInformation @empresa varchar(20) AS
SELECT nombre_empresa, rfc_empresa, registro_patronal, direccion, entidad, empresa, codpostal
FROM empresas WHERE empresa = CAST(@empresa AS INTEGER)
GO

CREATE OR ALTER PROCEDURE dbo.peCargaListadoEmpresas AS
SELECT empresa || '-' || nombre_empresa AS empresa_nombre, empresa FROM empresas ORDER BY empresa
GO

CREATE OR ALTER PROCEDURE dbo.PortalPatronInsertaEmpresasSeleccionadas @llave varchar(20), @empresa varchar(20) AS
INSERT OR IGNORE INTO PortalEmpresasSeleccionadas (llave, empresa) VALUES (CAST(@llave AS INTEGER), CAST(@empresa AS INTEGER))
GO

CREATE OR ALTER PROCEDURE dbo.PortalPatronBorraEmpresasSeleccionadas @llave varchar(20) AS
DELETE FROM PortalEmpresasSeleccionadas WHERE llave = CAST(@llave AS INTEGER)
GO

CREATE OR ALTER PROCEDURE dbo.PortalEmpleadoInicializaConfiguracionVacaciones @empresa varchar(20) AS
INSERT OR IGNORE INTO PortalEmpleadoConfigVacaciones (empresa, opcion) VALUES (CAST(@empresa AS INTEGER), 1)
GO

CREATE OR ALTER PROCEDURE dbo.PortaEmpleado_MarcasAutorizaSup @empresa varchar(20), @codigo varchar(20) AS
SELECT em.empresa AS empresa,
  COALESCE(c.autoriza_supervisor, '0') AS autoriza_supervisor,
  COALESCE(c.envia_correo, '0') AS envia_correo,
  CASE WHEN EXISTS (SELECT 1 FROM PortalEmpleadoFlujoAprobador a WHERE COALESCE(a.empresa_aprobador, a.empresa) = em.empresa
    AND a.codigo = CAST(@codigo AS INTEGER)) THEN '1' ELSE '0' END AS empleado_autoriza,
  CASE WHEN EXISTS (SELECT 1 FROM empleados s WHERE s.empresa = em.empresa
    AND s.supervisor = CAST(@codigo AS INTEGER)) THEN '1' ELSE '0' END AS empleado_supervisor
FROM empresas em LEFT JOIN PortalEmpleadoAdminConfig c ON c.empresa = em.empresa
WHERE em.empresa = CAST(@empresa AS INTEGER)
GO
