CREATE OR ALTER PROCEDURE dbo.peInformacionGeneral @empresa varchar(20), @codigo varchar(20) AS
-- Employee data, family and contact; also the data set of the "Información General" report.
SELECT e.empresa AS empresa, e.codigo AS codigo, e.nombre AS nombre, e.ap_paterno AS ap_paterno, e.ap_materno AS ap_materno,
  e.rfc AS rfc, e.curp AS curp, e.afiliacion AS afiliacion, strftime('%d/%m/%Y', e.fchalta) AS fecha_alta,
  t.actividad AS puesto, c.nomdepto AS departamento, em.nombre_empresa AS nombre_empresa, e.sueldo_diario AS sueldo_diario,
  d.domicilio AS domicilio, d.colonia AS colonia, d.poblacion AS poblacion, d.codpostal AS codpostal,
  CASE d.edocivil WHEN 'S' THEN 'Soltero' WHEN 'C' THEN 'Casado' WHEN 'V' THEN 'Viudo' WHEN 'D' THEN 'Divorciado'
    WHEN 'U' THEN 'Unión Libre' WHEN 'P' THEN 'Separado' ELSE '' END AS estado_civil,
  d.telefono AS telefono, strftime('%d/%m/%Y', e.fchnac) AS fecha_nacimiento, d.email AS email,
  substr(e.curp, 11, 1) AS sexo,
  CAST(strftime('%Y', 'now') AS INTEGER) - CAST(strftime('%Y', e.fchnac) AS INTEGER) AS edad,
  d.nacional AS nacionalidad, d.umf AS umf, b.nombre AS banco, e.cta_bco_no AS cuenta, tn.nombre AS tipo_nomina, h.nombre AS horario,
  COALESCE((SELECT f.nombre FROM rhfamiliar f WHERE f.Idcatalogo = rc.idcatalogo AND f.idparentesco = 1 LIMIT 1), '') AS padre,
  COALESCE((SELECT f.nombre FROM rhfamiliar f WHERE f.Idcatalogo = rc.idcatalogo AND f.idparentesco = 2 LIMIT 1), '') AS madre,
  (SELECT count(*) FROM rhfamiliar f WHERE f.Idcatalogo = rc.idcatalogo AND f.idparentesco = 3) AS hijos,
  COALESCE((SELECT f.nombre FROM rhfamiliar f WHERE f.Idcatalogo = rc.idcatalogo AND f.idparentesco = 5 LIMIT 1), '') AS conyuge,
  d.municipio AS municipio, d.localidad AS localidad,
  em.rfc_empresa AS rfc_empresa, em.registro_patronal AS registro_patronal
FROM empleados e JOIN empresas em ON em.empresa = e.empresa
LEFT JOIN datosemps d ON d.empresa = e.empresa AND d.codigo = e.codigo
LEFT JOIN rhcatalogo rc ON rc.empresa = e.empresa AND rc.codigo = e.codigo
LEFT JOIN llaves ll ON ll.empresa = e.empresa AND ll.codigo = e.codigo
LEFT JOIN centros c ON c.empresa = ll.empresa AND c.centro = ll.centro
LEFT JOIN tabulador t ON t.empresa = ll.empresa AND t.ocupacion = ll.ocupacion
LEFT JOIN bancos b ON b.banco = ll.banco
LEFT JOIN horarios_catalogo h ON h.empresa = ll.empresa AND h.horario = ll.horario
LEFT JOIN PortalTiposNomina tn ON tn.tiponom = ll.tiponom
WHERE e.empresa = CAST(@empresa AS INTEGER) AND e.codigo = CAST(@codigo AS INTEGER)
GO

CREATE OR ALTER PROCEDURE dbo.peObtenMaildeSupervisor @empresa varchar(20), @codigo varchar(20) AS
SELECT COALESCE(NULLIF(ds.email, ''), s.mail, '') AS mail_supervisor
FROM empleados e JOIN empleados s ON s.empresa = e.empresa AND s.codigo = e.supervisor
LEFT JOIN datosemps ds ON ds.empresa = s.empresa AND ds.codigo = s.codigo
WHERE e.empresa = CAST(@empresa AS INTEGER) AND e.codigo = CAST(@codigo AS INTEGER)
GO

CREATE OR ALTER PROCEDURE dbo.peCargaOpcionVacaciones @empresa varchar(20) AS
SELECT opcion FROM PortalEmpleadoConfigVacaciones WHERE empresa = CAST(@empresa AS INTEGER)
GO

CREATE OR ALTER PROCEDURE dbo.PortalEmpleadoGuardaConfiguracionVacaciones @empresa varchar(20), @opcion varchar(5) AS
INSERT OR REPLACE INTO PortalEmpleadoConfigVacaciones (empresa, opcion) VALUES (CAST(@empresa AS INTEGER), CAST(@opcion AS INTEGER))
GO
CREATE OR ALTER PROCEDURE dbo.peListadoVacacionesPantalla @empresa varchar(20), @codigo varchar(20), @filtro varchar(1), @fechade varchar(8), @fechaa varchar(8), @afiliacion varchar(20) = '' AS
-- Vacation history. With 'T' the whole history, otherwise the days enjoyed between the dates.
SELECT v.codigo AS codigo, v.aniversario AS aniversario, strftime('%d/%m/%Y', v.fecha_disfrute) AS fecha_disfrute,
  v.dias_tabulados AS dias_tabulados, v.dias_disfrutados AS dias_disfrutados, v.aniversario AS dias_antiguedad,
  v.prima_pct AS prima_pct, v.prima_importe AS prima_importe, v.prima_dias AS prima_dias,
  v.descansos AS descansos, v.festivos AS festivos,
  CASE v.programada WHEN 'S' THEN 'PROGRAMADA' ELSE 'DISFRUTADA' END AS estado,
  trim(e.nombre || ' ' || e.ap_paterno || ' ' || COALESCE(e.ap_materno, '')) AS nombre, strftime('%d/%m/%Y', e.fchantigua) AS fecha_antiguedad
FROM vacaciones v JOIN empleados e ON e.empresa = v.empresa AND e.codigo = v.codigo
WHERE v.empresa = CAST(@empresa AS INTEGER) AND v.codigo = CAST(@codigo AS INTEGER)
  AND (upper(trim(@filtro)) = 'T' OR v.fecha_disfrute BETWEEN
       substr(@fechade, 1, 4) || '-' || substr(@fechade, 5, 2) || '-' || substr(@fechade, 7, 2) AND
       substr(@fechaa, 1, 4) || '-' || substr(@fechaa, 5, 2) || '-' || substr(@fechaa, 7, 2))
ORDER BY v.fecha_disfrute
GO

CREATE OR ALTER PROCEDURE dbo.peListadoAusentismo @empresa varchar(20), @codigo varchar(20), @filtro varchar(1), @fechade varchar(8), @fechaa varchar(8), @afiliacion varchar(20) = '' AS
SELECT CAST(strftime('%m', a.fecha) AS INTEGER) AS mes, a.dias AS dias, a.concepto AS concepto, a.descripcion AS descripcion,
  a.justificar AS justificar, strftime('%d/%m/%Y', a.fecha) AS fecha, CAST(strftime('%Y', a.fecha) AS INTEGER) AS ayo,
  a.codigo AS codigo, trim(e.nombre || ' ' || e.ap_paterno || ' ' || COALESCE(e.ap_materno, '')) AS nombre
FROM ausentismos a JOIN empleados e ON e.empresa = a.empresa AND e.codigo = a.codigo
WHERE a.empresa = CAST(@empresa AS INTEGER) AND a.codigo = CAST(@codigo AS INTEGER)
  AND (upper(trim(@filtro)) = 'T' OR a.fecha BETWEEN
       substr(@fechade, 1, 4) || '-' || substr(@fechade, 5, 2) || '-' || substr(@fechade, 7, 2) AND
       substr(@fechaa, 1, 4) || '-' || substr(@fechaa, 5, 2) || '-' || substr(@fechaa, 7, 2))
ORDER BY a.fecha
GO

CREATE OR ALTER PROCEDURE dbo.peListadoTiempoExtra @empresa varchar(20), @codigo varchar(20), @filtro varchar(1), @fechade varchar(8), @fechaa varchar(8), @afiliacion varchar(20) = '' AS
SELECT t.periodo AS periodo, CAST(strftime('%m', t.fecha) AS INTEGER) AS mes, t.concepto AS concepto, t.descripcion AS descripcion,
  t.horas AS horas, strftime('%d/%m/%Y', t.fecha) AS fecha, CAST(strftime('%Y', t.fecha) AS INTEGER) AS ayo,
  t.codigo AS codigo, trim(e.nombre || ' ' || e.ap_paterno || ' ' || COALESCE(e.ap_materno, '')) AS nombre
FROM tiempo_extra t JOIN empleados e ON e.empresa = t.empresa AND e.codigo = t.codigo
WHERE t.empresa = CAST(@empresa AS INTEGER) AND t.codigo = CAST(@codigo AS INTEGER)
  AND (upper(trim(@filtro)) = 'T' OR t.fecha BETWEEN
       substr(@fechade, 1, 4) || '-' || substr(@fechade, 5, 2) || '-' || substr(@fechade, 7, 2) AND
       substr(@fechaa, 1, 4) || '-' || substr(@fechaa, 5, 2) || '-' || substr(@fechaa, 7, 2))
ORDER BY t.fecha
GO
CREATE OR ALTER PROCEDURE dbo.GetAbsentimsForYear @empresa varchar(20), @codigo varchar(20), @ayo varchar(10) AS
-- Vacations and absences of one year by month, for the annual report.
WITH RECURSIVE meses(m) AS (SELECT 1 UNION ALL SELECT m + 1 FROM meses WHERE m < 12)
SELECT m AS mes,
  COALESCE((SELECT sum(v.dias_disfrutados) FROM vacaciones v WHERE v.empresa = CAST(@empresa AS INTEGER) AND v.codigo = CAST(@codigo AS INTEGER)
    AND v.programada = 'N' AND CAST(strftime('%Y', v.fecha_disfrute) AS INTEGER) = CAST(@ayo AS INTEGER) AND CAST(strftime('%m', v.fecha_disfrute) AS INTEGER) = m), 0) AS vacaciones,
  COALESCE((SELECT sum(a.dias) FROM ausentismos a WHERE a.empresa = CAST(@empresa AS INTEGER) AND a.codigo = CAST(@codigo AS INTEGER)
    AND a.concepto = 'FI' AND CAST(strftime('%Y', a.fecha) AS INTEGER) = CAST(@ayo AS INTEGER) AND CAST(strftime('%m', a.fecha) AS INTEGER) = m), 0) AS faltas,
  COALESCE((SELECT sum(a.dias) FROM ausentismos a WHERE a.empresa = CAST(@empresa AS INTEGER) AND a.codigo = CAST(@codigo AS INTEGER)
    AND a.concepto = 'INC' AND CAST(strftime('%Y', a.fecha) AS INTEGER) = CAST(@ayo AS INTEGER) AND CAST(strftime('%m', a.fecha) AS INTEGER) = m), 0) AS incapacidades,
  COALESCE((SELECT sum(a.dias) FROM ausentismos a WHERE a.empresa = CAST(@empresa AS INTEGER) AND a.codigo = CAST(@codigo AS INTEGER)
    AND a.concepto = 'PCG' AND CAST(strftime('%Y', a.fecha) AS INTEGER) = CAST(@ayo AS INTEGER) AND CAST(strftime('%m', a.fecha) AS INTEGER) = m), 0) AS permisos,
  CAST(@ayo AS INTEGER) AS ayo, CAST(@codigo AS INTEGER) AS codigo
FROM meses
GO
CREATE OR ALTER PROCEDURE dbo.Fun_P_Catalogos @nEmpresa varchar(20), @cCatalogo varchar(100), @nCodigo varchar(20), @nOrden int = 0, @nSerial int = 0, @cusuario varchar(20) = '' AS
-- Vacation balance of an employee (catalogue "GENERAL DE VACACIONES"). The portal reads
-- 10 enjoyed in the current exercise, 20/21 scheduled in the current/previous exercises,
-- 33 balance of completed anniversaries, 55 proportional days since the last anniversary.
WITH e AS (
  SELECT e.*, trim(e.nombre || ' ' || e.ap_paterno || ' ' || COALESCE(e.ap_materno, '')) AS nombre_completo,
    CAST((julianday('now', 'localtime') - julianday(e.fchantigua)) / 365.2425 AS INTEGER) AS anios
  FROM empleados e WHERE e.empresa = CAST(@nEmpresa AS INTEGER) AND e.codigo = CAST(@nCodigo AS INTEGER)
),
s AS (
  SELECT e.*,
    date(e.fchantigua, '+' || e.anios || ' years') AS ultimo_aniversario,
    date(e.fchantigua, '+' || (e.anios + 1) || ' years') AS proximo_aniversario,
    (SELECT dias FROM PortalTablaVacaciones WHERE max(e.anios, 1) BETWEEN desde AND hasta) AS dias_actual,
    (SELECT dias FROM PortalTablaVacaciones WHERE e.anios + 1 BETWEEN desde AND hasta) AS dias_siguiente,
    COALESCE((SELECT sum(t.dias) FROM PortalTablaVacaciones t, (WITH RECURSIVE n(a) AS (SELECT 1 UNION ALL SELECT a + 1 FROM n WHERE a < e.anios) SELECT a FROM n) x
              WHERE e.anios > 0 AND x.a BETWEEN t.desde AND t.hasta), 0) AS derecho_total,
    COALESCE((SELECT sum(v.dias_disfrutados) FROM vacaciones v WHERE v.empresa = e.empresa AND v.codigo = e.codigo AND v.programada = 'N' AND v.aniversario < e.anios), 0) AS tomados_anteriores,
    COALESCE((SELECT sum(v.dias_disfrutados) FROM vacaciones v WHERE v.empresa = e.empresa AND v.codigo = e.codigo AND v.programada = 'N' AND v.aniversario = e.anios), 0) AS disfrutados,
    COALESCE((SELECT sum(v.dias_disfrutados) FROM vacaciones v WHERE v.empresa = e.empresa AND v.codigo = e.codigo AND v.programada = 'S' AND v.aniversario = e.anios), 0) AS programados_actual,
    COALESCE((SELECT sum(v.dias_disfrutados) FROM vacaciones v WHERE v.empresa = e.empresa AND v.codigo = e.codigo AND v.programada = 'S' AND v.aniversario < e.anios), 0) AS programados_anteriores,
    COALESCE((SELECT sum(v.prima_importe) FROM vacaciones v WHERE v.empresa = e.empresa AND v.codigo = e.codigo AND v.programada = 'N'), 0) AS prima_pagada
  FROM e
)
SELECT empresa AS empresa, codigo AS codigo, nombre_completo AS nombre, strftime('%d/%m/%Y', fchalta) AS fecha_alta,
  strftime('%d/%m/%Y', fchantigua) AS fecha_antiguedad, anios AS anios_cumplidos, strftime('%d/%m/%Y', ultimo_aniversario) AS ultimo_aniversario,
  strftime('%d/%m/%Y', proximo_aniversario) AS proximo_aniversario, CASE WHEN anios > 0 THEN dias_actual ELSE 0 END AS dias_aniversario,
  disfrutados AS dias_disfrutados_ejercicio,
  derecho_total AS dias_derecho_total, tomados_anteriores AS dias_disfrutados_anteriores, 25 AS prima_porcentaje,
  prima_pagada AS prima_pagada, sueldo_diario AS sueldo_diario, dias_siguiente AS dias_proximo_aniversario,
  0 AS dias_vencidos, 0 AS dias_pagados, 0 AS dias_ajuste,
  programados_actual AS dias_programados_ejercicio, programados_anteriores AS dias_programados_anteriores,
  '' AS c22, '' AS c23, '' AS c24, '' AS c25, '' AS c26, '' AS c27, '' AS c28, '' AS c29, '' AS c30, '' AS c31, '' AS c32,
  derecho_total - tomados_anteriores AS saldo_aniversarios,
  '' AS c34, '' AS c35, '' AS c36, '' AS c37, '' AS c38, '' AS c39, '' AS c40, '' AS c41, '' AS c42, '' AS c43, '' AS c44,
  '' AS c45, '' AS c46, '' AS c47, '' AS c48, '' AS c49, '' AS c50, '' AS c51, '' AS c52, '' AS c53, '' AS c54,
  round(dias_siguiente * (julianday('now', 'localtime') - julianday(CASE WHEN anios > 0 THEN ultimo_aniversario ELSE fchantigua END)) / 365.0, 2) AS dias_proporcionales,
  trim(@cCatalogo) AS catalogo
FROM s
GO
CREATE OR ALTER PROCEDURE dbo.peSolicitudVacaciones @empresa varchar(20), @codigo varchar(20) AS
-- Data set of the vacation request form and the vacation certificate.
SELECT e.empresa AS empresa, e.codigo AS codigo, trim(e.nombre || ' ' || e.ap_paterno || ' ' || COALESCE(e.ap_materno, '')) AS nombre,
  t.actividad AS puesto, c.nomdepto AS departamento, strftime('%d/%m/%Y', e.fchantigua) AS fecha_antiguedad,
  CAST((julianday('now', 'localtime') - julianday(e.fchantigua)) / 365.2425 AS INTEGER) AS anios,
  em.nombre_empresa AS nombre_empresa, em.rfc_empresa AS rfc_empresa, em.registro_patronal AS registro_patronal,
  COALESCE(trim(s.nombre || ' ' || s.ap_paterno || ' ' || COALESCE(s.ap_materno, '')), '') AS supervisor,
  strftime('%d/%m/%Y', 'now', 'localtime') AS fecha
FROM empleados e JOIN empresas em ON em.empresa = e.empresa
LEFT JOIN empleados s ON s.empresa = e.empresa AND s.codigo = e.supervisor
LEFT JOIN llaves ll ON ll.empresa = e.empresa AND ll.codigo = e.codigo
LEFT JOIN centros c ON c.empresa = ll.empresa AND c.centro = ll.centro
LEFT JOIN tabulador t ON t.empresa = ll.empresa AND t.ocupacion = ll.ocupacion
WHERE e.empresa = CAST(@empresa AS INTEGER) AND e.codigo = CAST(@codigo AS INTEGER)
GO
CREATE OR ALTER PROCEDURE dbo.peCursosPorTrabajador @empresa varchar(20), @codigo varchar(20) AS
-- Documents of the reports screen.
SELECT c.codigo AS codigo, strftime('%d/%m/%Y', c.fecha) AS fecha, c.curso AS curso, c.horas AS horas, c.instructor AS instructor
FROM cursos c WHERE c.empresa = CAST(@empresa AS INTEGER) AND c.codigo = CAST(@codigo AS INTEGER) ORDER BY c.fecha
GO

CREATE OR ALTER PROCEDURE dbo.peConstanciaTrabajo @empresa varchar(20), @codigo varchar(20) AS
SELECT e.codigo AS codigo, trim(e.nombre || ' ' || e.ap_paterno || ' ' || COALESCE(e.ap_materno, '')) AS nombre, e.rfc AS rfc,
  e.afiliacion AS afiliacion, t.actividad AS puesto, c.nomdepto AS departamento, strftime('%d/%m/%Y', e.fchalta) AS fecha_alta,
  e.sueldo_diario AS sueldo_diario, round(e.sueldo_diario * 30.4, 2) AS sueldo_mensual,
  em.nombre_empresa AS nombre_empresa, em.direccion AS direccion_empresa, strftime('%d/%m/%Y', 'now', 'localtime') AS fecha
FROM empleados e JOIN empresas em ON em.empresa = e.empresa
LEFT JOIN llaves ll ON ll.empresa = e.empresa AND ll.codigo = e.codigo
LEFT JOIN centros c ON c.empresa = ll.empresa AND c.centro = ll.centro
LEFT JOIN tabulador t ON t.empresa = ll.empresa AND t.ocupacion = ll.ocupacion
WHERE e.empresa = CAST(@empresa AS INTEGER) AND e.codigo = CAST(@codigo AS INTEGER)
GO

CREATE OR ALTER PROCEDURE dbo.peConstanciaAntiguedad @empresa varchar(20), @codigo varchar(20) AS
SELECT e.codigo AS codigo, trim(e.nombre || ' ' || e.ap_paterno || ' ' || COALESCE(e.ap_materno, '')) AS nombre,
  strftime('%d/%m/%Y', e.fchantigua) AS fecha_antiguedad,
  CAST((julianday('now', 'localtime') - julianday(e.fchantigua)) / 365.2425 AS INTEGER) AS anios,
  CAST(((julianday('now', 'localtime') - julianday(e.fchantigua)) % 365.2425) / 30.44 AS INTEGER) AS meses,
  t.actividad AS puesto, em.nombre_empresa AS nombre_empresa, strftime('%d/%m/%Y', 'now', 'localtime') AS fecha
FROM empleados e JOIN empresas em ON em.empresa = e.empresa
LEFT JOIN llaves ll ON ll.empresa = e.empresa AND ll.codigo = e.codigo
LEFT JOIN tabulador t ON t.empresa = ll.empresa AND t.ocupacion = ll.ocupacion
WHERE e.empresa = CAST(@empresa AS INTEGER) AND e.codigo = CAST(@codigo AS INTEGER)
GO

CREATE OR ALTER PROCEDURE dbo.pePrestamoInfonavit @empresa varchar(20), @codigo varchar(20) AS
SELECT codigo, folio, strftime('%d/%m/%Y', fecha) AS fecha, importe, descuento, saldo FROM prestamos
WHERE empresa = CAST(@empresa AS INTEGER) AND codigo = CAST(@codigo AS INTEGER) AND clase = 'INF' ORDER BY fecha
GO

CREATE OR ALTER PROCEDURE dbo.peFondoDEAhorro @empresa varchar(20), @codigo varchar(20) AS
SELECT codigo, folio, strftime('%d/%m/%Y', fecha) AS fecha, importe, descuento, saldo FROM prestamos
WHERE empresa = CAST(@empresa AS INTEGER) AND codigo = CAST(@codigo AS INTEGER) AND clase = 'FDA' ORDER BY fecha
GO

CREATE OR ALTER PROCEDURE dbo.pePrestamosOtrasDeducciones @empresa varchar(20), @codigo varchar(20) AS
SELECT codigo, folio, strftime('%d/%m/%Y', fecha) AS fecha, importe, descuento, saldo FROM prestamos
WHERE empresa = CAST(@empresa AS INTEGER) AND codigo = CAST(@codigo AS INTEGER) AND clase = 'OTR' ORDER BY fecha
GO

CREATE OR ALTER PROCEDURE dbo.peMovimientosIMSS @empresa varchar(20), @codigo varchar(20) AS
SELECT codigo, strftime('%d/%m/%Y', fecha) AS fecha, movimiento, sueldo_anterior, sueldo_nuevo FROM movimientos
WHERE empresa = CAST(@empresa AS INTEGER) AND codigo = CAST(@codigo AS INTEGER) AND clase = 'IMSS' ORDER BY fecha
GO

CREATE OR ALTER PROCEDURE dbo.peMovimientosSueldo @empresa varchar(20), @codigo varchar(20) AS
SELECT codigo, strftime('%d/%m/%Y', fecha) AS fecha, movimiento, sueldo_anterior, sueldo_nuevo FROM movimientos
WHERE empresa = CAST(@empresa AS INTEGER) AND codigo = CAST(@codigo AS INTEGER) AND clase = 'SUELDO' ORDER BY fecha
GO
CREATE OR ALTER PROCEDURE dbo.PortalEmpleado_EmpresasEscritorio @codigo varchar(20), @password varchar(60) AS
-- Companies of the employee; column 12 is the vacation balance of completed anniversaries.
SELECT e.empresa AS empresa, em.nombre_empresa AS nombre_empresa, e.codigo AS codigo,
  trim(e.nombre || ' ' || e.ap_paterno || ' ' || COALESCE(e.ap_materno, '')) AS nombre, e.rfc AS rfc, e.curp AS curp,
  e.afiliacion AS afiliacion, strftime('%d/%m/%Y', e.fchantigua) AS fecha_antiguedad, a.anios AS anios,
  a.derecho AS dias_derecho, a.tomados AS dias_disfrutados, a.derecho - a.tomados AS saldo_anterior
FROM empleados e JOIN empresas em ON em.empresa = e.empresa
JOIN (SELECT x.empresa, x.codigo, CAST((julianday('now', 'localtime') - julianday(x.fchantigua)) / 365.2425 AS INTEGER) AS anios,
        COALESCE((SELECT sum(v.dias_tabulados) FROM (SELECT DISTINCT aniversario, dias_tabulados FROM vacaciones v2 WHERE v2.empresa = x.empresa AND v2.codigo = x.codigo) v), 0) AS derecho,
        COALESCE((SELECT sum(v.dias_disfrutados) FROM vacaciones v WHERE v.empresa = x.empresa AND v.codigo = x.codigo AND v.programada = 'N'), 0) AS tomados
      FROM empleados x) a ON a.empresa = e.empresa AND a.codigo = e.codigo
WHERE e.codigo = CAST(@codigo AS INTEGER) AND (e.password IS NULL OR e.password = @password)
GO
CREATE OR ALTER PROCEDURE dbo.PortalEmpleado_Ayos @empresa varchar(20), @codigo varchar(20) AS
-- Years and listings shown to an approver about an employee.
SELECT DISTINCT ayo FROM (
  SELECT CAST(strftime('%Y', fecha_disfrute) AS INTEGER) AS ayo FROM vacaciones WHERE empresa = CAST(@empresa AS INTEGER) AND codigo = CAST(@codigo AS INTEGER)
  UNION SELECT CAST(strftime('%Y', fecha) AS INTEGER) FROM ausentismos WHERE empresa = CAST(@empresa AS INTEGER) AND codigo = CAST(@codigo AS INTEGER))
ORDER BY ayo DESC
GO
CREATE OR ALTER PROCEDURE dbo.PortalEmpleado_Listados @empresa varchar(20), @codigo varchar(20), @afiliacion varchar(20) = '', @fechaInicial varchar(10) = '', @fechaFinal varchar(10) = '', @listado int = 1, @todas varchar(1) = 'S', @Ayo varchar(10) = '', @nomina varchar(10) = '' AS
-- Kind 1: vacations (1 date, 3 and 4 days enjoyed and premium days, 11 year); kind 2: absences
-- (2 description, 3 days, 7 concept, 8 date).
SELECT strftime('%d/%m/%Y', v.fecha_disfrute) AS fecha, 'VACACIONES' AS descripcion, v.dias_disfrutados AS dias, v.prima_dias AS prima_dias,
  v.dias_tabulados AS dias_tabulados, v.aniversario AS aniversario, 'VAC' AS concepto, strftime('%d/%m/%Y', v.fecha_disfrute) AS fecha_texto,
  v.prima_importe AS prima_importe, v.programada AS programada, CAST(strftime('%Y', v.fecha_disfrute) AS INTEGER) AS ayo
FROM vacaciones v
WHERE CAST(@listado AS INTEGER) = 1 AND v.empresa = CAST(@empresa AS INTEGER) AND v.codigo = CAST(@codigo AS INTEGER)
  AND (trim(@Ayo) = '' OR CAST(strftime('%Y', v.fecha_disfrute) AS INTEGER) = CAST(@Ayo AS INTEGER))
UNION ALL
SELECT strftime('%d/%m/%Y', a.fecha), a.descripcion, a.dias, 0, 0, 0, a.concepto, strftime('%d/%m/%Y', a.fecha), 0, 'N', CAST(strftime('%Y', a.fecha) AS INTEGER)
FROM ausentismos a
WHERE CAST(@listado AS INTEGER) <> 1 AND a.empresa = CAST(@empresa AS INTEGER) AND a.codigo = CAST(@codigo AS INTEGER)
  AND (trim(@Ayo) = '' OR CAST(strftime('%Y', a.fecha) AS INTEGER) = CAST(@Ayo AS INTEGER))
ORDER BY 1
GO
