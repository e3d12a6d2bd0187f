CREATE OR ALTER PROCEDURE dbo.PortaEmpleado_Flujos @empresa varchar(20), @tipo varchar(5) AS
-- Authorization flows of a company and request type; column 4 is the name.
SELECT idflujo AS idflujo, empresa AS empresa, TipoSol AS tiposol, Nombre AS nombre FROM PortalEmpleadoFlujo
WHERE empresa = CAST(@empresa AS INTEGER) AND TipoSol = CAST(@tipo AS INTEGER) ORDER BY idflujo
GO

CREATE OR ALTER PROCEDURE dbo.PortaEmpleado_AgregaFlujo @empresa varchar(20), @tipo varchar(5), @nombre varchar(100) AS
-- The name column keeps 100 characters, as its parameter does.
INSERT INTO PortalEmpleadoFlujo (empresa, TipoSol, Nombre) VALUES (CAST(@empresa AS INTEGER), CAST(@tipo AS INTEGER), substr(trim(@nombre), 1, 100))
GO

CREATE OR ALTER PROCEDURE dbo.PortalEmpleado_ModificaNombreFlujo @tipo varchar(5), @idflujo varchar(20), @nombre varchar(100) AS
UPDATE PortalEmpleadoFlujo SET Nombre = substr(trim(@nombre), 1, 100) WHERE idflujo = CAST(@idflujo AS INTEGER) AND TipoSol = CAST(@tipo AS INTEGER)
GO

CREATE OR ALTER PROCEDURE dbo.PortaEmpleado_ExtraePersonasAutorizar @empresa varchar(20), @tipo varchar(5), @idflujo varchar(20) AS
SELECT a.empresa AS empresa, a.TipoSol AS tiposol, a.codigo AS codigo,
  trim(e.nombre || ' ' || e.ap_paterno || ' ' || COALESCE(e.ap_materno, '')) AS nombre, a.orden AS orden
FROM PortalEmpleadoFlujoAprobador a JOIN empleados e ON e.empresa = COALESCE(a.empresa_aprobador, a.empresa) AND e.codigo = a.codigo
WHERE a.empresa = CAST(@empresa AS INTEGER) AND a.TipoSol = CAST(@tipo AS INTEGER) AND a.idflujo = CAST(@idflujo AS INTEGER)
ORDER BY a.orden
GO

CREATE OR ALTER PROCEDURE dbo.PortaEmpleado_EmpleadosEnFlujo @empresa varchar(20), @tipo varchar(5), @idflujo varchar(20) AS
SELECT f.empresa AS empresa, f.codigo AS codigo, trim(e.nombre || ' ' || e.ap_paterno || ' ' || COALESCE(e.ap_materno, '')) AS nombre,
  f.TipoSol AS tiposol, f.idflujo AS idflujo
FROM PortalEmpleadoFlujoEmpleado f JOIN empleados e ON e.empresa = f.empresa AND e.codigo = f.codigo
WHERE f.empresa = CAST(@empresa AS INTEGER) AND f.TipoSol = CAST(@tipo AS INTEGER) AND f.idflujo = CAST(@idflujo AS INTEGER)
ORDER BY f.codigo
GO

CREATE OR ALTER PROCEDURE dbo.PortaEmpleado_AutorizarEmpleadosDisponibles @empresa varchar(20), @tipo varchar(5), @idflujo varchar(20) AS
-- Active employees of the company who are not yet approvers of this flow.
SELECT e.empresa AS empresa, e.codigo AS codigo, trim(e.nombre || ' ' || e.ap_paterno || ' ' || COALESCE(e.ap_materno, '')) AS nombre
FROM empleados e
WHERE e.empresa = CAST(@empresa AS INTEGER) AND e.fch_baja IS NULL
  AND e.codigo NOT IN (SELECT a.codigo FROM PortalEmpleadoFlujoAprobador a WHERE a.idflujo = CAST(@idflujo AS INTEGER))
ORDER BY e.codigo
GO

CREATE OR ALTER PROCEDURE dbo.PortaEmpleado_AgregaAsolicitar @empresa varchar(20), @tipo varchar(5), @codigo varchar(20), @idflujo varchar(20) AS
INSERT OR IGNORE INTO PortalEmpleadoFlujoAprobador (empresa, TipoSol, idflujo, codigo, orden)
SELECT CAST(@empresa AS INTEGER), CAST(@tipo AS INTEGER), CAST(trim(@idflujo) AS INTEGER), CAST(@codigo AS INTEGER),
  COALESCE((SELECT max(orden) FROM PortalEmpleadoFlujoAprobador WHERE idflujo = CAST(trim(@idflujo) AS INTEGER)), 0) + 1
GO

-- Removing an approver closes the gap in the order within the same statement, so a flow is
-- never left half renumbered.
DROP TRIGGER IF EXISTS PortalFlujoAprobadorOrden;
CREATE TRIGGER PortalFlujoAprobadorOrden AFTER DELETE ON PortalEmpleadoFlujoAprobador
BEGIN
  UPDATE PortalEmpleadoFlujoAprobador SET orden = orden - 1 WHERE idflujo = OLD.idflujo AND orden > OLD.orden;
END;
GO

CREATE OR ALTER PROCEDURE dbo.PortaEmpleado_EliminaAprobador @empresa varchar(20), @tipo varchar(5), @codigo varchar(20), @idflujo varchar(20) AS
-- Requests already filed keep their steps: only the flow changes.
DELETE FROM PortalEmpleadoFlujoAprobador WHERE idflujo = CAST(@idflujo AS INTEGER) AND codigo = CAST(@codigo AS INTEGER)
GO

CREATE OR ALTER PROCEDURE dbo.PortaEmpleado_SolicitudNuevoOrdenPorRegistro @empresa varchar(20), @tipo varchar(5), @codigo varchar(20), @orden varchar(10), @idflujo varchar(20) AS
UPDATE PortalEmpleadoFlujoAprobador SET orden = CAST(@orden AS INTEGER)
WHERE idflujo = CAST(@idflujo AS INTEGER) AND codigo = CAST(@codigo AS INTEGER)
GO

CREATE OR ALTER PROCEDURE dbo.PortaEmpleado_Catalogos @empresa varchar(20), @tipo varchar(5) AS
-- 1 departments, 2 positions: name and id.
SELECT nomdepto AS nombre, centro AS id FROM centros WHERE empresa = CAST(@empresa AS INTEGER) AND CAST(@tipo AS INTEGER) = 1
UNION ALL
SELECT actividad, ocupacion FROM tabulador WHERE empresa = CAST(@empresa AS INTEGER) AND CAST(@tipo AS INTEGER) = 2
ORDER BY 1
GO

CREATE OR ALTER PROCEDURE dbo.PortaEmpleado_EmpleadosFlujoDisponibles @empresa varchar(20), @tipo varchar(5), @idflujo varchar(20), @filtro varchar(5), @valor varchar(20) = '' AS
-- Employees not in this flow, optionally of one department (filter 1) or position (filter 2);
-- for type 4 only those who supervise somebody.
SELECT e.empresa AS empresa, e.codigo AS codigo, trim(e.nombre || ' ' || e.ap_paterno || ' ' || COALESCE(e.ap_materno, '')) AS nombre,
  c.nomdepto AS centro, t.actividad AS puesto, '' AS seleccion, COALESCE(e.supervisor, 0) AS supervisor
FROM empleados e LEFT JOIN llaves ll ON ll.empresa = e.empresa AND ll.codigo = e.codigo
LEFT JOIN centros c ON c.empresa = ll.empresa AND c.centro = ll.centro
LEFT JOIN tabulador t ON t.empresa = ll.empresa AND t.ocupacion = ll.ocupacion
WHERE e.empresa = CAST(@empresa AS INTEGER) AND e.fch_baja IS NULL
  AND NOT EXISTS (SELECT 1 FROM PortalEmpleadoFlujoEmpleado f WHERE f.empresa = e.empresa AND f.codigo = e.codigo
                  AND f.TipoSol = CAST(@tipo AS INTEGER) AND f.idflujo = CAST(@idflujo AS INTEGER))
  AND (CAST(@filtro AS INTEGER) NOT IN (1, 2) OR (CAST(@filtro AS INTEGER) = 1 AND ll.centro = CAST(@valor AS INTEGER))
       OR (CAST(@filtro AS INTEGER) = 2 AND ll.ocupacion = CAST(@valor AS INTEGER)))
  AND (CAST(@tipo AS INTEGER) <> 4 OR EXISTS (SELECT 1 FROM empleados s WHERE s.empresa = e.empresa AND s.supervisor = e.codigo))
ORDER BY e.codigo
GO

CREATE OR ALTER PROCEDURE dbo.PortaEmpleado_AgregaEmpleadoFlujo @empresa varchar(20), @tipo varchar(5), @idflujo varchar(20), @codigo varchar(20) AS
-- An employee belongs to one flow per request type: assigning moves them.
INSERT OR REPLACE INTO PortalEmpleadoFlujoEmpleado (empresa, TipoSol, idflujo, codigo)
VALUES (CAST(@empresa AS INTEGER), CAST(@tipo AS INTEGER), CAST(@idflujo AS INTEGER), CAST(@codigo AS INTEGER))
GO

CREATE OR ALTER PROCEDURE dbo.PortaEmpleado_EliminaDeFlujo @empresa varchar(20), @codigo varchar(20), @idFlujo varchar(20), @TipoSol varchar(5) AS
DELETE FROM PortalEmpleadoFlujoEmpleado WHERE empresa = CAST(@empresa AS INTEGER) AND codigo = CAST(@codigo AS INTEGER)
  AND idflujo = CAST(@idFlujo AS INTEGER) AND TipoSol = CAST(@TipoSol AS INTEGER)
GO

CREATE OR ALTER PROCEDURE dbo.PortalEmpleado_ListadoFlujosAsignados @empresa varchar(20), @tipo varchar(5) AS
SELECT f.idflujo AS idflujo, f.Nombre AS flujo, a.orden AS orden, a.codigo AS aprobador,
  trim(ea.nombre || ' ' || ea.ap_paterno) AS nombre_aprobador,
  (SELECT group_concat(x.codigo, ', ') FROM PortalEmpleadoFlujoEmpleado x WHERE x.idflujo = f.idflujo) AS empleados,
  (SELECT count(*) FROM PortalEmpleadoFlujoEmpleado x WHERE x.idflujo = f.idflujo) AS total_empleados
FROM PortalEmpleadoFlujo f LEFT JOIN PortalEmpleadoFlujoAprobador a ON a.idflujo = f.idflujo
LEFT JOIN empleados ea ON ea.empresa = COALESCE(a.empresa_aprobador, a.empresa) AND ea.codigo = a.codigo
WHERE f.empresa = CAST(@empresa AS INTEGER) AND f.TipoSol = CAST(@tipo AS INTEGER)
ORDER BY f.idflujo, a.orden
GO

CREATE OR ALTER PROCEDURE dbo.PortaEmpleado_ExtraeAdminConfig @empresa varchar(20) AS
SELECT em.empresa AS empresa, COALESCE(c.autoriza_supervisor, '0') AS autoriza_supervisor, COALESCE(c.envia_correo, '0') AS envia_correo,
  COALESCE(c.autoriza_correo, '0') AS autoriza_correo, COALESCE(c.url, '') AS url
FROM empresas em LEFT JOIN PortalEmpleadoAdminConfig c ON c.empresa = em.empresa WHERE em.empresa = CAST(@empresa AS INTEGER)
GO

CREATE OR ALTER PROCEDURE dbo.PortaEmpleado_AdminConfigModifica @empresa varchar(20), @supervisor varchar(1), @correo varchar(1), @autorizaCorreo varchar(1), @url varchar(200) = '' AS
INSERT OR REPLACE INTO PortalEmpleadoAdminConfig (empresa, autoriza_supervisor, envia_correo, autoriza_correo, url)
VALUES (CAST(@empresa AS INTEGER), trim(@supervisor), trim(@correo), trim(@autorizaCorreo), trim(@url))
GO
