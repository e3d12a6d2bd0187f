-- Request life cycle. Filing creates one step per approver of the employee's flow (the
-- supervisor first when the company asks for it) with step 1 pending; authorising step k makes
-- step k+1 pending or, at the last step, completes the request; a rejection or cancellation
-- ends it. A completed vacation request schedules its days.
DROP TRIGGER IF EXISTS PortalSolicitudPasos;
CREATE TRIGGER PortalSolicitudPasos AFTER INSERT ON PortalEmpleadoSolicitud
BEGIN
  INSERT INTO PortalEmpleadoSolicitudPaso (idsolicitud, orden, aprobador, estatus, comentario, empresa_aprobador)
  SELECT NEW.id, row_number() OVER (ORDER BY grupo, orden), codigo, '', '', empresa_aprobador FROM (
    SELECT 0 AS grupo, 0 AS orden, e.supervisor AS codigo, NULL AS empresa_aprobador FROM empleados e JOIN PortalEmpleadoAdminConfig c ON c.empresa = e.empresa
    WHERE e.empresa = NEW.empresa AND e.codigo = NEW.codigo AND c.autoriza_supervisor = '1' AND e.supervisor IS NOT NULL
      AND e.supervisor NOT IN (SELECT a.codigo FROM PortalEmpleadoFlujoAprobador a WHERE a.idflujo = NEW.idflujo)
    UNION ALL
    SELECT 1, a.orden, a.codigo, a.empresa_aprobador FROM PortalEmpleadoFlujoAprobador a WHERE a.idflujo = NEW.idflujo
  );
  UPDATE PortalEmpleadoSolicitudPaso SET estatus = 'PENDIENTE' WHERE idsolicitud = NEW.id AND orden = 1;
END;

DROP TRIGGER IF EXISTS PortalSolicitudAvanza;
CREATE TRIGGER PortalSolicitudAvanza AFTER UPDATE OF estatus ON PortalEmpleadoSolicitudPaso
WHEN NEW.estatus = 'AUTORIZADA' AND OLD.estatus = 'PENDIENTE'
BEGIN
  UPDATE PortalEmpleadoSolicitudPaso SET estatus = 'PENDIENTE' WHERE idsolicitud = NEW.idsolicitud AND orden = NEW.orden + 1;
  UPDATE PortalEmpleadoSolicitud SET estatus = 'A' WHERE id = NEW.idsolicitud
    AND NOT EXISTS (SELECT 1 FROM PortalEmpleadoSolicitudPaso p WHERE p.idsolicitud = NEW.idsolicitud AND p.orden > NEW.orden);
END;

DROP TRIGGER IF EXISTS PortalSolicitudTermina;
CREATE TRIGGER PortalSolicitudTermina AFTER UPDATE OF estatus ON PortalEmpleadoSolicitudPaso
WHEN NEW.estatus = 'RECHAZADA' AND OLD.estatus = 'PENDIENTE'
BEGIN
  UPDATE PortalEmpleadoSolicitud SET estatus = 'R' WHERE id = NEW.idsolicitud;
END;

DROP TRIGGER IF EXISTS PortalSolicitudProgramaVacaciones;
CREATE TRIGGER PortalSolicitudProgramaVacaciones AFTER UPDATE OF estatus ON PortalEmpleadoSolicitud
WHEN NEW.estatus = 'A' AND OLD.estatus = 'P' AND NEW.tiposol = 1
BEGIN
  INSERT OR IGNORE INTO vacaciones (empresa, codigo, fecha_disfrute, aniversario, dias_tabulados, dias_disfrutados, prima_pct, prima_importe,
    prima_dias, descansos, festivos, programada)
  SELECT e.empresa, e.codigo, NEW.fecha, CAST((julianday(NEW.fecha) - julianday(e.fchantigua)) / 365.2425 AS INTEGER),
    COALESCE((SELECT dias FROM PortalTablaVacaciones WHERE max(1, CAST((julianday(NEW.fecha) - julianday(e.fchantigua)) / 365.2425 AS INTEGER)) BETWEEN desde AND hasta), 12),
    NEW.dias, 25, round(NEW.dias * e.sueldo_diario * 0.25, 2), round(NEW.dias * 0.25, 2), 0, 0,
    CASE WHEN NEW.fecha > date('now', 'localtime') THEN 'S' ELSE 'N' END
  FROM empleados e WHERE e.empresa = NEW.empresa AND e.codigo = NEW.codigo;
END;

-- Status changes of a request go through this view: the change applies to the pending step it
-- names (the cancellation, to the pending step whatever it is) or is refused with an error when
-- that step was decided meanwhile (two approvers, a cancellation racing an authorization).
DROP VIEW IF EXISTS PortalEmpleadoCambioEstatus;
CREATE VIEW PortalEmpleadoCambioEstatus AS SELECT 0 AS id, 0 AS orden, '' AS valor, '' AS comentario WHERE 0;
CREATE TRIGGER PortalCambioEstatus INSTEAD OF INSERT ON PortalEmpleadoCambioEstatus
BEGIN
  SELECT RAISE(ABORT, 'La solicitud ya no está pendiente de esta decisión: fue autorizada, rechazada o cancelada antes. No se hizo ningún cambio.')
  WHERE NOT EXISTS (
    SELECT 1 FROM PortalEmpleadoSolicitudPaso p JOIN PortalEmpleadoSolicitud s ON s.id = p.idsolicitud
    WHERE p.idsolicitud = NEW.id AND p.estatus = 'PENDIENTE' AND s.estatus = 'P'
      AND (p.orden = NEW.orden OR (NEW.valor <> 'S' AND NEW.orden = 1 AND NEW.comentario = 'CANCELADA POR EL USUARIO')));
  UPDATE PortalEmpleadoSolicitudPaso
  SET estatus = CASE WHEN NEW.valor = 'S' THEN 'AUTORIZADA' ELSE 'RECHAZADA' END, comentario = NEW.comentario,
      fecha = datetime('now', 'localtime')
  WHERE idsolicitud = NEW.id AND estatus = 'PENDIENTE'
    AND (orden = NEW.orden OR (NEW.valor <> 'S' AND NEW.orden = 1 AND NEW.comentario = 'CANCELADA POR EL USUARIO'));
END;

GO

CREATE OR ALTER PROCEDURE dbo.PortalEmpleado_AgregaSolicitudVPA @empresa varchar(20), @codigo varchar(20), @fecha varchar(8), @dias varchar(10) = '0', @fechaReal varchar(8) = '', @causa varchar(500) = '', @importe varchar(20) = '0', @tipoSol varchar(5) = '1' AS
-- Files a request when the employee has a flow with approvers for its type; one result row:
-- 3 'S' accepted or 'N' refused, 4 message, 6 the new request id, 7 authorisation by mail.
INSERT INTO PortalEmpleadoSolicitud (empresa, codigo, tiposol, fecha, dias, importe, causa, fecha_real, idflujo, estatus)
SELECT CAST(@empresa AS INTEGER), CAST(@codigo AS INTEGER), CAST(@tipoSol AS INTEGER),
  substr(@fecha, 1, 4) || '-' || substr(@fecha, 5, 2) || '-' || substr(@fecha, 7, 2), CAST(@dias AS REAL), CAST(@importe AS REAL), @causa,
  substr(@fechaReal, 1, 4) || '-' || substr(@fechaReal, 5, 2) || '-' || substr(@fechaReal, 7, 2), f.idflujo, 'P'
FROM PortalEmpleadoFlujoEmpleado f
WHERE f.empresa = CAST(@empresa AS INTEGER) AND f.codigo = CAST(@codigo AS INTEGER) AND f.TipoSol = CAST(@tipoSol AS INTEGER)
  AND EXISTS (SELECT 1 FROM PortalEmpleadoFlujoAprobador a WHERE a.idflujo = f.idflujo)
  AND date(substr(@fecha, 1, 4) || '-' || substr(@fecha, 5, 2) || '-' || substr(@fecha, 7, 2)) IS NOT NULL;
SELECT CAST(@empresa AS INTEGER) AS empresa, CAST(@codigo AS INTEGER) AS codigo,
  CASE WHEN changes() > 0 THEN 'S' ELSE 'N' END AS aceptada,
  CASE WHEN changes() > 0 THEN 'Solicitud guardada con el folio ' || last_insert_rowid()
       WHEN date(substr(@fecha, 1, 4) || '-' || substr(@fecha, 5, 2) || '-' || substr(@fecha, 7, 2)) IS NULL THEN 'La fecha de la solicitud no es válida'
       ELSE 'No tiene un flujo de autorización asignado para este tipo de solicitud, consulte a Recursos Humanos' END AS mensaje,
  CAST(@tipoSol AS INTEGER) AS tipo,
  CASE WHEN changes() > 0 THEN last_insert_rowid() ELSE 0 END AS idsolicitud,
  COALESCE((SELECT autoriza_correo FROM PortalEmpleadoAdminConfig WHERE empresa = CAST(@empresa AS INTEGER)), '0') AS autoriza_correo
GO

CREATE OR ALTER PROCEDURE dbo.PortalEmpleado_ModificaEstatus @id varchar(20), @orden varchar(10), @valor varchar(1), @comentario varchar(500) = '' AS
-- 'S' authorises step `orden`, 'N' rejects it; the employee's cancellation comes as a rejection
-- at step 1 and ends the request at whatever step it waits. A step that is no longer pending
-- is refused with an error, so that a decision is never taken twice.
INSERT INTO PortalEmpleadoCambioEstatus (id, orden, valor, comentario)
VALUES (CAST(@id AS INTEGER), CAST(@orden AS INTEGER), upper(trim(@valor)), COALESCE(@comentario, ''))
GO

CREATE OR ALTER PROCEDURE dbo.PortaEmpleado_ListadoSolicitudes @empresa varchar(20), @codigo varchar(20), @tipo varchar(5) AS
SELECT strftime('%d/%m/%Y', fecha) AS fecha, id AS idsolicitud, dias AS dias, importe AS importe, causa AS causa
FROM PortalEmpleadoSolicitud
WHERE empresa = CAST(@empresa AS INTEGER) AND codigo = CAST(@codigo AS INTEGER) AND tiposol = CAST(@tipo AS INTEGER) AND estatus = 'P'
ORDER BY id
GO

CREATE OR ALTER PROCEDURE dbo.PortaEmpleado_DetalleSolicitud @id varchar(20) AS
SELECT s.dias AS dias, strftime('%d/%m/%Y', s.fecha) AS fecha, s.importe AS importe,
  CASE s.estatus WHEN 'A' THEN 'AUTORIZADA' WHEN 'R' THEN 'RECHAZADA' ELSE
    COALESCE((SELECT 'PENDIENTE DE AUTORIZAR (PASO ' || p.orden || ')' FROM PortalEmpleadoSolicitudPaso p WHERE p.idsolicitud = s.id AND p.estatus = 'PENDIENTE'), 'EN PROCESO') END AS estatus,
  s.causa AS motivo, s.tiposol AS tipo, s.codigo AS codigo, s.empresa AS empresa
FROM PortalEmpleadoSolicitud s WHERE s.id = CAST(@id AS INTEGER)
GO

CREATE OR ALTER PROCEDURE dbo.PortaEmpleado_ProgresoSolicitud @id varchar(20) AS
SELECT p.estatus AS estatus,
  trim(p.orden || '. ' || trim(e.nombre || ' ' || e.ap_paterno) || CASE WHEN p.comentario <> '' THEN ': ' || p.comentario ELSE '' END) AS comentario,
  p.orden AS orden, p.aprobador AS aprobador
FROM PortalEmpleadoSolicitudPaso p JOIN PortalEmpleadoSolicitud s ON s.id = p.idsolicitud
LEFT JOIN empleados e ON e.empresa = COALESCE(p.empresa_aprobador, s.empresa) AND e.codigo = p.aprobador
WHERE p.idsolicitud = CAST(@id AS INTEGER) ORDER BY p.orden
GO

CREATE OR ALTER PROCEDURE dbo.PortaEmpleado_PendientesAutorizar @empresa varchar(20), @codigo varchar(20), @tipo varchar(10) AS
SELECT s.id AS idsolicitud, s.codigo AS codigo, trim(e.nombre || ' ' || e.ap_paterno || ' ' || COALESCE(e.ap_materno, '')) AS nombre,
  s.fecha AS fecha, s.dias AS dias, s.importe AS importe, s.causa AS motivo, p.orden AS orden, s.empresa AS empresa,
  COALESCE((SELECT sum(v.dias_tabulados) FROM (SELECT DISTINCT aniversario, dias_tabulados FROM vacaciones x WHERE x.empresa = s.empresa AND x.codigo = s.codigo) v), 0)
    - COALESCE((SELECT sum(v.dias_disfrutados) FROM vacaciones v WHERE v.empresa = s.empresa AND v.codigo = s.codigo), 0) AS saldo
FROM PortalEmpleadoSolicitudPaso p JOIN PortalEmpleadoSolicitud s ON s.id = p.idsolicitud
JOIN empleados e ON e.empresa = s.empresa AND e.codigo = s.codigo
WHERE p.aprobador = CAST(@codigo AS INTEGER) AND p.estatus = 'PENDIENTE' AND s.estatus = 'P'
  AND COALESCE(p.empresa_aprobador, s.empresa) = CAST(@empresa AS INTEGER) AND s.tiposol = CAST(@tipo AS INTEGER)
ORDER BY s.id
GO

CREATE OR ALTER PROCEDURE dbo.PortaEmpleado_SolicitudDatosEnviar @id varchar(20), @orden varchar(10) AS
-- The approver to notify after step `orden` (0: just filed); type 0 when no step follows.
SELECT CASE WHEN s.estatus = 'P' AND n.aprobador IS NOT NULL THEN s.tiposol ELSE 0 END AS tipo,
  strftime('%d/%m/%Y', s.fecha) AS fecha, s.dias AS dias, s.importe AS importe, s.causa AS motivo,
  COALESCE(NULLIF(da.email, ''), a.mail, '') AS mail_aprobador, s.empresa AS empresa, s.codigo AS codigo,
  trim(e.nombre || ' ' || e.ap_paterno || ' ' || COALESCE(e.ap_materno, '')) AS nombre
FROM PortalEmpleadoSolicitud s JOIN empleados e ON e.empresa = s.empresa AND e.codigo = s.codigo
LEFT JOIN PortalEmpleadoSolicitudPaso n ON n.idsolicitud = s.id AND n.orden = CAST(@orden AS INTEGER) + 1
LEFT JOIN empleados a ON a.empresa = COALESCE(n.empresa_aprobador, s.empresa) AND a.codigo = n.aprobador
LEFT JOIN datosemps da ON da.empresa = a.empresa AND da.codigo = a.codigo
WHERE s.id = CAST(@id AS INTEGER)
GO

CREATE OR ALTER PROCEDURE dbo.PortalEmpleado_ServidorCorreo @empresa varchar(20), @codigo varchar(20) AS
SELECT COALESCE(NULLIF(d.email, ''), e.mail, '') AS mail_empleado, m.servidor AS servidor, m.cuenta AS cuenta, m.puerto AS puerto
FROM empleados e LEFT JOIN datosemps d ON d.empresa = e.empresa AND d.codigo = e.codigo
LEFT JOIN PortalEmpleadoConfigMail m ON m.empresa = e.empresa
WHERE e.empresa = CAST(@empresa AS INTEGER) AND e.codigo = CAST(@codigo AS INTEGER)
GO
