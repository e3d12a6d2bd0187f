-- Payroll receipts: years, payroll types, closed periods, listing, detail, CFDI files, marks.

CREATE TABLE IF NOT EXISTS PortalMarcasRecibos (
  empresa INTEGER NOT NULL, codigo INTEGER NOT NULL, nomina TEXT NOT NULL, periodo TEXT NOT NULL,
  ayo TEXT NOT NULL, columna TEXT NOT NULL, fecha DATETIME NOT NULL,
  PRIMARY KEY (empresa, codigo, nomina, periodo, ayo, columna)
);
GO

-- ---- CFDI stamp (demo) -----------------------------------------------------------------------
-- The fiscal stamp of every receipt: certificate numbers, stamp date, the issuer's and the
-- authority's seals and the stamp's original string. These are demo values, not issued by the
-- tax authority nor by a certification provider (the Leyenda says so); they are derived from the
-- receipt's UUID, so the detail rows, the XML and the printed receipt always carry the same ones.
-- Seal pieces: 256 blocks of 43 base-64 characters from a fixed pseudo-random sequence; a seal is
-- 8 blocks chosen by bytes of the UUID (344 characters, as an RSA-2048 signature in base 64).
CREATE TABLE IF NOT EXISTS PortalDemoSellos (n INTEGER PRIMARY KEY, bloque TEXT NOT NULL);
INSERT OR REPLACE INTO PortalDemoSellos (n, bloque)
WITH RECURSIVE g(i, x) AS (
  SELECT 0, 20240101 UNION ALL SELECT i + 1, (x * 1103515245 + 12345) % 2147483648 FROM g WHERE i < 256 * 43 - 1
)
SELECT i / 43, group_concat(substr('ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/', (x / 65536) % 64 + 1, 1), '')
FROM (SELECT i, x FROM g ORDER BY i) GROUP BY i / 43;
GO
DROP VIEW IF EXISTS PortalTimbreRecibos;
CREATE VIEW PortalTimbreRecibos AS
WITH h AS (
  SELECT r.empresa, r.codigo, r.ayo, r.tiponom, r.periodo, r.clase, r.uuid, p.fch_pago,
    lower(replace(r.uuid, '-', '')) AS hx
  FROM recibos r
  JOIN periodos p ON p.empresa = r.empresa AND p.tiponom = r.tiponom AND p.ayo = r.ayo AND p.periodo = r.periodo AND p.clase = r.clase
),
s AS (
  SELECT h.*,
    '00001000000' || printf('%09d', 500000000 + empresa * 1111) AS no_certificado,
    '00001000000' || printf('%09d', 700000000 + ayo) AS no_certificado_sat,
    fch_pago || 'T12:05:00' AS fecha_timbrado,
    'AAA010101AAA' AS rfc_prov_certif,
    'Timbre de demostración: no emitido por el SAT ni por un proveedor de certificación' AS leyenda,
    (SELECT group_concat(bloque, '') FROM (SELECT b.bloque FROM (SELECT 0 AS k UNION ALL SELECT 1 UNION ALL SELECT 2 UNION ALL SELECT 3
       UNION ALL SELECT 4 UNION ALL SELECT 5 UNION ALL SELECT 6 UNION ALL SELECT 7) ks
       JOIN PortalDemoSellos b ON b.n = (instr('0123456789abcdef', substr(h.hx, 2 * ks.k + 1, 1)) - 1) * 16
                                      + instr('0123456789abcdef', substr(h.hx, 2 * ks.k + 2, 1)) - 1
       ORDER BY ks.k)) AS sello_cfd_bloques,
    (SELECT group_concat(bloque, '') FROM (SELECT b.bloque FROM (SELECT 8 AS k UNION ALL SELECT 9 UNION ALL SELECT 10 UNION ALL SELECT 11
       UNION ALL SELECT 12 UNION ALL SELECT 13 UNION ALL SELECT 14 UNION ALL SELECT 15) ks
       JOIN PortalDemoSellos b ON b.n = (instr('0123456789abcdef', substr(h.hx, 2 * ks.k + 1, 1)) - 1) * 16
                                      + instr('0123456789abcdef', substr(h.hx, 2 * ks.k + 2, 1)) - 1
       ORDER BY ks.k)) AS sello_sat_bloques
  FROM h
)
SELECT empresa, codigo, ayo, tiponom, periodo, clase, uuid, no_certificado, no_certificado_sat, fecha_timbrado,
  rfc_prov_certif, leyenda,
  substr(sello_cfd_bloques, 1, 342) || '==' AS sello_cfd, substr(sello_sat_bloques, 1, 342) || '==' AS sello_sat,
  '||1.1|' || uuid || '|' || fecha_timbrado || '|' || rfc_prov_certif || '|' || leyenda || '|' ||
    substr(sello_cfd_bloques, 1, 342) || '==' || '|' || no_certificado_sat || '||' AS cadena_timbre
FROM s;
GO
-- ---- end of CFDI stamp -------------------------------------------------------------------------

-- Receipts an employee may see under a session key: those of the company recorded for the key
-- and, when receipts of all companies are shown and the employee is no exception, those of the
-- same person (same RFC) in the other companies.
DROP VIEW IF EXISTS PortalRecibosAlcance;
CREATE VIEW PortalRecibosAlcance AS
SELECT s.llave AS llave, e1.codigo AS codigo_sesion, e1.empresa AS empresa, e1.codigo AS codigo
FROM PortalEmpresasSeleccionadas s JOIN empleados e1 ON e1.empresa = s.empresa
UNION ALL
SELECT s.llave, e1.codigo, e2.empresa, e2.codigo
FROM PortalEmpresasSeleccionadas s JOIN empleados e1 ON e1.empresa = s.empresa
JOIN empleados e2 ON e2.rfc = e1.rfc AND e2.empresa <> e1.empresa
WHERE (SELECT emps_todas FROM PortalEmpleadoConfig LIMIT 1) = 'S'
  AND NOT EXISTS (SELECT 1 FROM PortalEmpleadoConsolidar x WHERE x.empresa = e1.empresa AND x.codigo = e1.codigo);
GO

CREATE OR ALTER PROCEDURE dbo.PortalEmpleadoCargaAyosDeRecibos @llave varchar(20), @codigo varchar(20) AS
SELECT DISTINCT r.ayo AS ayo
FROM PortalRecibosAlcance a JOIN recibos r ON r.empresa = a.empresa AND r.codigo = a.codigo
WHERE a.llave = CAST(@llave AS INTEGER) AND a.codigo_sesion = CAST(@codigo AS INTEGER)
ORDER BY r.ayo DESC
GO

CREATE OR ALTER PROCEDURE dbo.PortalEmpleadoCargaTipoNominaDeRecibos @ayo varchar(10), @llave varchar(20), @codigo varchar(20) AS
SELECT printf('%02d', t.tiponom) || ' ' || t.nombre AS tipo_nomina
FROM (SELECT DISTINCT r.tiponom FROM PortalRecibosAlcance a JOIN recibos r ON r.empresa = a.empresa AND r.codigo = a.codigo
      WHERE a.llave = CAST(@llave AS INTEGER) AND a.codigo_sesion = CAST(@codigo AS INTEGER) AND r.ayo = CAST(@ayo AS INTEGER)) x
JOIN PortalTiposNomina t ON t.tiponom = x.tiponom
ORDER BY t.tiponom
GO

CREATE OR ALTER PROCEDURE dbo.PortalEmpleadoCargaPeriodosDeRecibos @ayo varchar(10), @tiponom varchar(10), @codigo varchar(20), @llave varchar(20) AS
SELECT DISTINCT printf('%02d', r.periodo) AS periodo
FROM PortalRecibosAlcance a JOIN recibos r ON r.empresa = a.empresa AND r.codigo = a.codigo
JOIN periodos p ON p.empresa = r.empresa AND p.tiponom = r.tiponom AND p.ayo = r.ayo AND p.periodo = r.periodo AND p.clase = r.clase
WHERE a.llave = CAST(@llave AS INTEGER) AND a.codigo_sesion = CAST(@codigo AS INTEGER)
  AND r.ayo = CAST(@ayo AS INTEGER) AND r.tiponom = CAST(@tiponom AS INTEGER) AND p.cerrado = 'S'
ORDER BY 1
GO

-- Payroll types with the names the receipts screen recognises.
CREATE TABLE IF NOT EXISTS PortalTiposNomina (tiponom INTEGER PRIMARY KEY, nombre TEXT NOT NULL, periodicidad TEXT NOT NULL);
INSERT OR REPLACE INTO PortalTiposNomina VALUES (1, 'Semanal', '02'), (2, 'Decenal', '10'), (3, 'Catorcenal', '03'),
  (4, 'Quincenal', '04'), (5, 'Mensual', '05'), (6, 'Especial', '99');
GO

-- One row per receipt of the listing; the receipts grid and "listadoRecibos" read these columns.
DROP VIEW IF EXISTS PortalRecibosListado;
CREATE VIEW PortalRecibosListado AS
SELECT r.nomina AS nomina, r.periodo AS periodo, r.codigo AS codigo, t.nombre AS tipo_nomina,
  CASE r.clase WHEN 'AGI' THEN 'AGUINALDO' WHEN 'FDO' THEN 'FONDO DE AHORRO' WHEN 'OTR' THEN 'OTROS PAGOS' ELSE n.nomina END AS nombre_nomina,
  trim(e.nombre || ' ' || e.ap_paterno || ' ' || COALESCE(e.ap_materno, '')) AS nombre,
  strftime('%d/%m/%Y', p.fch_inicio) AS inicio, strftime('%d/%m/%Y', p.fch_cierre) AS cierre,
  r.dias AS dias, r.sueldo AS total_sueldo, r.percepciones AS total_percepciones, r.deducciones AS total_deducciones,
  r.isr AS total_isr, r.imss AS total_imss, r.neto AS neto, COALESCE(d.email, e.mail, '') AS mail, r.empresa AS empresa,
  r.ayo AS ayo, r.tiponom AS tiponom, r.clase AS clase, p.cerrado AS cerrado
FROM recibos r
JOIN empleados e ON e.empresa = r.empresa AND e.codigo = r.codigo
LEFT JOIN datosemps d ON d.empresa = r.empresa AND d.codigo = r.codigo
JOIN periodos p ON p.empresa = r.empresa AND p.tiponom = r.tiponom AND p.ayo = r.ayo AND p.periodo = r.periodo AND p.clase = r.clase
JOIN PortalTiposNomina t ON t.tiponom = r.tiponom
LEFT JOIN nominas n ON n.empresa = r.empresa AND n.tiponom = r.tiponom;
GO

CREATE OR ALTER PROCEDURE dbo.PortalEmpleadoCargaListadoDeRecibos @tiponom varchar(10), @ayo varchar(10), @periodo1 varchar(10), @periodo2 varchar(10), @agi varchar(3), @fdo varchar(3), @otr varchar(3), @llave varchar(20), @codigo varchar(20), @afiliacion varchar(20), @empresa varchar(20) AS
SELECT l.nomina, l.periodo, l.codigo, l.tipo_nomina, l.nombre_nomina, l.nombre, l.inicio, l.cierre, l.dias,
  l.total_sueldo, l.total_percepciones, l.total_deducciones, l.total_isr, l.total_imss, l.neto, l.mail, l.empresa
FROM PortalRecibosAlcance a JOIN PortalRecibosListado l ON l.empresa = a.empresa AND l.codigo = a.codigo
WHERE a.llave = CAST(@llave AS INTEGER) AND a.codigo_sesion = CAST(@codigo AS INTEGER)
  AND l.ayo = CAST(@ayo AS INTEGER) AND l.tiponom = CAST(@tiponom AS INTEGER)
  AND l.periodo BETWEEN CAST(@periodo1 AS INTEGER) AND CAST(@periodo2 AS INTEGER) AND l.cerrado = 'S'
  AND (l.clase IN (trim(@agi), trim(@fdo), trim(@otr))
       OR (l.clase = 'NOR' AND trim(@agi) = '' AND trim(@fdo) = '' AND trim(@otr) = ''))
ORDER BY l.periodo, l.empresa, l.nomina
GO

CREATE OR ALTER PROCEDURE dbo.pePortalPatronObtenListadoRecibos @tiponom varchar(10), @ayo varchar(10), @periodo1 varchar(10), @periodo2 varchar(10), @agi varchar(3), @fdo varchar(3), @otr varchar(3), @llave varchar(20), @codigo varchar(20), @afiliacion varchar(20), @empresa varchar(20) AS
SELECT l.nomina, l.periodo, l.codigo, l.tipo_nomina, l.nombre_nomina, l.nombre, l.inicio, l.cierre, l.dias,
  l.total_sueldo, l.total_percepciones, l.total_deducciones, l.total_isr, l.total_imss, l.neto, l.mail, l.empresa,
  em.nombre_empresa AS nombre_empresa, l.ayo AS ayo
FROM PortalRecibosAlcance a JOIN PortalRecibosListado l ON l.empresa = a.empresa AND l.codigo = a.codigo
JOIN empresas em ON em.empresa = l.empresa
WHERE a.llave = CAST(@llave AS INTEGER) AND a.codigo_sesion = CAST(@codigo AS INTEGER)
  AND l.ayo = CAST(@ayo AS INTEGER) AND l.tiponom = CAST(@tiponom AS INTEGER)
  AND l.periodo BETWEEN CAST(@periodo1 AS INTEGER) AND CAST(@periodo2 AS INTEGER) AND l.cerrado = 'S'
  AND (l.clase IN (trim(@agi), trim(@fdo), trim(@otr))
       OR (l.clase = 'NOR' AND trim(@agi) = '' AND trim(@fdo) = '' AND trim(@otr) = ''))
ORDER BY l.periodo, l.empresa, l.nomina
GO
CREATE OR ALTER PROCEDURE dbo.pePortalPatronObtenDetalleRecibosFunU @nomina varchar(10), @año varchar(10), @periodo varchar(10), @codigo varchar(20), @tiponom varchar(10), @empresa varchar(20), @cUsuario varchar(20) = '' AS
-- One row per concept of one receipt, with the receipt's header repeated for the report.
SELECT r.empresa AS empresa, em.nombre_empresa AS nombre_empresa, em.rfc_empresa AS rfc_empresa,
  em.registro_patronal AS registro_patronal, r.codigo AS codigo,
  trim(e.nombre || ' ' || e.ap_paterno || ' ' || COALESCE(e.ap_materno, '')) AS nombre,
  e.rfc AS rfc, e.curp AS curp, e.afiliacion AS afiliacion, c.nomdepto AS departamento, t.actividad AS puesto,
  r.ayo AS ayo, r.periodo AS periodo, r.nomina AS nomina, tn.nombre AS tipo_nomina,
  strftime('%d/%m/%Y', p.fch_inicio) AS inicio, strftime('%d/%m/%Y', p.fch_cierre) AS cierre,
  strftime('%d/%m/%Y', p.fch_pago) AS fecha_pago, r.dias AS dias, e.sueldo_diario AS sueldo_diario,
  d.tipo AS tipo, d.concepto AS concepto, d.descripcion AS descripcion, d.importe AS importe,
  CASE d.tipo WHEN 'P' THEN d.importe ELSE 0 END AS percepcion,
  CASE d.tipo WHEN 'D' THEN d.importe ELSE 0 END AS deduccion,
  r.percepciones AS total_percepciones, r.deducciones AS total_deducciones, r.neto AS neto, r.uuid AS uuid,
  tf.no_certificado AS no_certificado, tf.no_certificado_sat AS no_certificado_sat, tf.fecha_timbrado AS fecha_timbrado,
  tf.sello_cfd AS sello_cfd, tf.sello_sat AS sello_sat, tf.cadena_timbre AS cadena_timbre
FROM recibos r
JOIN PortalTimbreRecibos tf ON tf.empresa = r.empresa AND tf.codigo = r.codigo AND tf.ayo = r.ayo AND tf.tiponom = r.tiponom
  AND tf.periodo = r.periodo AND tf.clase = r.clase
JOIN recibos_detalle d ON d.empresa = r.empresa AND d.codigo = r.codigo AND d.ayo = r.ayo
  AND d.tiponom = r.tiponom AND d.periodo = r.periodo AND d.clase = r.clase
JOIN empleados e ON e.empresa = r.empresa AND e.codigo = r.codigo
JOIN empresas em ON em.empresa = r.empresa
JOIN periodos p ON p.empresa = r.empresa AND p.tiponom = r.tiponom AND p.ayo = r.ayo AND p.periodo = r.periodo AND p.clase = r.clase
JOIN PortalTiposNomina tn ON tn.tiponom = r.tiponom
LEFT JOIN llaves ll ON ll.empresa = r.empresa AND ll.codigo = r.codigo
LEFT JOIN centros c ON c.empresa = ll.empresa AND c.centro = ll.centro
LEFT JOIN tabulador t ON t.empresa = ll.empresa AND t.ocupacion = ll.ocupacion
WHERE r.codigo = CAST(@codigo AS INTEGER) AND r.empresa = CAST(@empresa AS INTEGER)
  AND r.ayo = CAST(@año AS INTEGER) AND r.periodo = CAST(@periodo AS INTEGER) AND r.nomina = CAST(@nomina AS INTEGER)
ORDER BY d.tipo DESC, d.concepto
GO

CREATE OR ALTER PROCEDURE dbo.ModificaPortalMarcasRecibos @empresa varchar(20), @codigo varchar(20), @nomina varchar(10), @periodo varchar(10), @ayo varchar(10), @columna varchar(30) AS
INSERT OR REPLACE INTO PortalMarcasRecibos (empresa, codigo, nomina, periodo, ayo, columna, fecha)
VALUES (CAST(@empresa AS INTEGER), CAST(@codigo AS INTEGER), trim(@nomina), trim(@periodo), trim(@ayo), trim(@columna), datetime('now', 'localtime'))
GO
CREATE OR ALTER PROCEDURE dbo.existeReciboCFDI @empresa varchar(20), @codigo varchar(20), @nomina varchar(10), @periodo varchar(10), @ayo varchar(10) AS
-- The receipt's electronic invoice: CFDI 4.0 with the payroll 1.2 complement, and its printed
-- form as a one-page PDF, both built from the receipt's own rows so their amounts always agree.
-- Columns 8 to 11: XML text, XML file name, PDF bytes, PDF file name.
WITH r AS (
  SELECT r.*, e.rfc AS rfc, e.curp AS curp, e.afiliacion AS afiliacion, e.fchantigua AS fchantigua,
    e.sueldo_diario AS sueldo_diario, upper(trim(e.nombre || ' ' || e.ap_paterno || ' ' || COALESCE(e.ap_materno, ''))) AS nombre,
    em.nombre_empresa AS nombre_empresa, em.rfc_empresa AS rfc_empresa, em.registro_patronal AS registro_patronal,
    COALESCE(em.codpostal, '64000') AS cp_empresa, COALESCE(em.regimen_fiscal, '601') AS regimen_fiscal,
    COALESCE(d.codpostal, '64000') AS cp_empleado, COALESCE(c.nomdepto, '') AS departamento, COALESCE(t.actividad, '') AS puesto,
    p.fch_inicio AS fch_inicio, p.fch_cierre AS fch_cierre, p.fch_pago AS fch_pago,
    tn.nombre AS tipo_nombre, tn.periodicidad AS periodicidad, COALESCE(es.clave, 'NLE') AS entidad,
    tf.no_certificado AS no_certificado, tf.no_certificado_sat AS no_certificado_sat, tf.fecha_timbrado AS fecha_timbrado,
    tf.rfc_prov_certif AS rfc_prov_certif, tf.leyenda AS leyenda, tf.sello_cfd AS sello_cfd, tf.sello_sat AS sello_sat
  FROM recibos r
  JOIN PortalTimbreRecibos tf ON tf.empresa = r.empresa AND tf.codigo = r.codigo AND tf.ayo = r.ayo AND tf.tiponom = r.tiponom
    AND tf.periodo = r.periodo AND tf.clase = r.clase
  JOIN empleados e ON e.empresa = r.empresa AND e.codigo = r.codigo
  JOIN empresas em ON em.empresa = r.empresa
  JOIN periodos p ON p.empresa = r.empresa AND p.tiponom = r.tiponom AND p.ayo = r.ayo AND p.periodo = r.periodo AND p.clase = r.clase
  JOIN PortalTiposNomina tn ON tn.tiponom = r.tiponom
  LEFT JOIN datosemps d ON d.empresa = r.empresa AND d.codigo = r.codigo
  LEFT JOIN llaves ll ON ll.empresa = r.empresa AND ll.codigo = r.codigo
  LEFT JOIN centros c ON c.empresa = ll.empresa AND c.centro = ll.centro
  LEFT JOIN tabulador t ON t.empresa = ll.empresa AND t.ocupacion = ll.ocupacion
  LEFT JOIN rhestados es ON es.edtado = em.entidad
  WHERE r.empresa = CAST(@empresa AS INTEGER) AND r.codigo = CAST(@codigo AS INTEGER)
    AND r.nomina = CAST(trim(@nomina) AS INTEGER) AND r.periodo = CAST(@periodo AS INTEGER) AND r.ayo = CAST(@ayo AS INTEGER)
),
det AS (
  SELECT d.* FROM recibos_detalle d JOIN r ON d.empresa = r.empresa AND d.codigo = r.codigo AND d.ayo = r.ayo
    AND d.tiponom = r.tiponom AND d.periodo = r.periodo AND d.clase = r.clase
),
tot AS (
  SELECT
    (SELECT printf('%.2f', COALESCE(sum(gravado), 0)) FROM det WHERE tipo = 'P') AS gravado,
    (SELECT printf('%.2f', COALESCE(sum(exento), 0)) FROM det WHERE tipo = 'P') AS exento,
    (SELECT printf('%.2f', COALESCE(sum(importe), 0)) FROM det WHERE tipo = 'D' AND clave_sat = '002') AS retenidos,
    (SELECT printf('%.2f', COALESCE(sum(importe), 0)) FROM det WHERE tipo = 'D' AND clave_sat <> '002') AS otras,
    (SELECT group_concat('<nomina12:Percepcion TipoPercepcion="' || clave_sat || '" Clave="' || printf('%03d', concepto) || '" Concepto="' || descripcion || '" ImporteGravado="' || printf('%.2f', gravado) || '" ImporteExento="' || printf('%.2f', exento) || '"/>', '')
       FROM (SELECT * FROM det WHERE tipo = 'P' ORDER BY concepto)) AS percepciones,
    (SELECT group_concat('<nomina12:Deduccion TipoDeduccion="' || clave_sat || '" Clave="' || printf('%03d', concepto) || '" Concepto="' || descripcion || '" Importe="' || printf('%.2f', importe) || '"/>', '')
       FROM (SELECT * FROM det WHERE tipo = 'D' ORDER BY concepto)) AS deducciones
),
x AS (
  SELECT r.*, tot.*,
    '<?xml version="1.0" encoding="UTF-8"?>' || char(10) ||
    '<cfdi:Comprobante xmlns:cfdi="http://www.sat.gob.mx/cfd/4" xmlns:nomina12="http://www.sat.gob.mx/nomina12" xmlns:tfd="http://www.sat.gob.mx/TimbreFiscalDigital" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance"' ||
    ' xsi:schemaLocation="http://www.sat.gob.mx/cfd/4 http://www.sat.gob.mx/sitio_internet/cfd/4/cfdv40.xsd http://www.sat.gob.mx/nomina12 http://www.sat.gob.mx/sitio_internet/cfd/nomina/nomina12.xsd"' ||
    ' Version="4.0" Serie="NOM" Folio="' || r.ayo || printf('%02d', r.tiponom) || printf('%03d', r.periodo) || r.codigo || '" Fecha="' || r.fch_pago || 'T12:00:00"' ||
    ' SubTotal="' || printf('%.2f', r.percepciones) || '" Descuento="' || printf('%.2f', r.deducciones) || '" Moneda="MXN" Total="' || printf('%.2f', r.neto) || '"' ||
    ' TipoDeComprobante="N" Exportacion="01" MetodoPago="PUE" LugarExpedicion="' || r.cp_empresa || '" NoCertificado="' || r.no_certificado || '" Certificado="" Sello="' || r.sello_cfd || '">' || char(10) ||
    '<cfdi:Emisor Rfc="' || r.rfc_empresa || '" Nombre="' || replace(r.nombre_empresa, '&', '&amp;') || '" RegimenFiscal="' || r.regimen_fiscal || '"/>' || char(10) ||
    '<cfdi:Receptor Rfc="' || r.rfc || '" Nombre="' || replace(r.nombre, '&', '&amp;') || '" DomicilioFiscalReceptor="' || r.cp_empleado || '" RegimenFiscalReceptor="605" UsoCFDI="CN01"/>' || char(10) ||
    '<cfdi:Conceptos><cfdi:Concepto ClaveProdServ="84111505" Cantidad="1" ClaveUnidad="ACT" Descripcion="Pago de nómina" ValorUnitario="' || printf('%.2f', r.percepciones) ||
    '" Importe="' || printf('%.2f', r.percepciones) || '" Descuento="' || printf('%.2f', r.deducciones) || '" ObjetoImp="01"/></cfdi:Conceptos>' || char(10) ||
    '<cfdi:Complemento>' || char(10) ||
    '<nomina12:Nomina Version="1.2" TipoNomina="' || CASE r.clase WHEN 'NOR' THEN 'O' ELSE 'E' END || '" FechaPago="' || r.fch_pago || '" FechaInicialPago="' || r.fch_inicio ||
    '" FechaFinalPago="' || r.fch_cierre || '" NumDiasPagados="' || printf('%.3f', r.dias) || '" TotalPercepciones="' || printf('%.2f', r.percepciones) ||
    '" TotalDeducciones="' || printf('%.2f', r.deducciones) || '">' || char(10) ||
    '<nomina12:Emisor RegistroPatronal="' || r.registro_patronal || '"/>' || char(10) ||
    '<nomina12:Receptor Curp="' || r.curp || '" NumSeguridadSocial="' || r.afiliacion || '" FechaInicioRelLaboral="' || r.fchantigua ||
    '" Antigüedad="P' || max(1, CAST((julianday(r.fch_cierre) - julianday(r.fchantigua)) / 7 AS INTEGER)) || 'W" TipoContrato="01" TipoRegimen="02" NumEmpleado="' || r.codigo ||
    '" Departamento="' || r.departamento || '" Puesto="' || r.puesto || '" PeriodicidadPago="' || CASE r.clase WHEN 'NOR' THEN r.periodicidad ELSE '99' END ||
    '" SalarioDiarioIntegrado="' || printf('%.2f', r.sueldo_diario * 1.0452) || '" ClaveEntFed="' || r.entidad || '"/>' || char(10) ||
    '<nomina12:Percepciones TotalSueldos="' || printf('%.2f', tot.gravado + tot.exento) || '" TotalGravado="' || tot.gravado || '" TotalExento="' || tot.exento || '">' ||
    COALESCE(tot.percepciones, '') || '</nomina12:Percepciones>' || char(10) ||
    CASE WHEN tot.deducciones IS NULL THEN '' ELSE '<nomina12:Deducciones TotalOtrasDeducciones="' || tot.otras || '" TotalImpuestosRetenidos="' || tot.retenidos || '">' ||
      tot.deducciones || '</nomina12:Deducciones>' || char(10) END ||
    '</nomina12:Nomina>' || char(10) ||
    '<tfd:TimbreFiscalDigital xsi:schemaLocation="http://www.sat.gob.mx/TimbreFiscalDigital http://www.sat.gob.mx/sitio_internet/cfd/TimbreFiscalDigital/TimbreFiscalDigitalv11.xsd" Version="1.1" UUID="' || r.uuid ||
    '" FechaTimbrado="' || r.fecha_timbrado || '" RfcProvCertif="' || r.rfc_prov_certif || '" Leyenda="' || r.leyenda ||
    '" SelloCFD="' || r.sello_cfd || '" NoCertificadoSAT="' || r.no_certificado_sat || '" SelloSAT="' || r.sello_sat || '"/>' || char(10) ||
    '</cfdi:Complemento>' || char(10) || '</cfdi:Comprobante>' || char(10) AS xml
  FROM r, tot
),
lineas AS (
  SELECT 1 AS n, nombre_empresa AS texto FROM x
  UNION ALL SELECT 2, 'RFC: ' || rfc_empresa || '   Registro patronal: ' || registro_patronal FROM x
  UNION ALL SELECT 3, 'RECIBO DE NOMINA ' || upper(tipo_nombre) || CASE clase WHEN 'AGI' THEN ' - AGUINALDO' WHEN 'FDO' THEN ' - FONDO DE AHORRO' WHEN 'OTR' THEN ' - OTROS PAGOS' ELSE '' END ||
    '   Periodo ' || periodo || '/' || ayo FROM x
  UNION ALL SELECT 4, 'Del ' || strftime('%d/%m/%Y', fch_inicio) || ' al ' || strftime('%d/%m/%Y', fch_cierre) || '   Pago: ' || strftime('%d/%m/%Y', fch_pago) ||
    '   Dias pagados: ' || dias FROM x
  UNION ALL SELECT 5, 'Empleado: ' || codigo || '  ' || nombre FROM x
  UNION ALL SELECT 6, 'RFC: ' || rfc || '   CURP: ' || curp || '   NSS: ' || afiliacion FROM x
  UNION ALL SELECT 7, 'Departamento: ' || departamento || '   Puesto: ' || puesto FROM x
  UNION ALL SELECT 8, '' FROM x
  UNION ALL SELECT 9, 'PERCEPCIONES' FROM x
  UNION ALL SELECT 10 + concepto, printf('  %03d %-44s %14s', concepto, descripcion, printf('%,.2f', importe)) FROM det WHERE tipo = 'P'
  UNION ALL SELECT 500, '' FROM x
  UNION ALL SELECT 501, 'DEDUCCIONES' FROM x
  UNION ALL SELECT 510 + concepto, printf('  %03d %-44s %14s', concepto, descripcion, printf('%,.2f', importe)) FROM det WHERE tipo = 'D'
  UNION ALL SELECT 900, '' FROM x
  UNION ALL SELECT 901, printf('  %-48s %14s', 'Total percepciones', printf('%,.2f', percepciones)) FROM x
  UNION ALL SELECT 902, printf('  %-48s %14s', 'Total deducciones', printf('%,.2f', deducciones)) FROM x
  UNION ALL SELECT 903, printf('  %-48s %14s', 'NETO A PAGAR', printf('%,.2f', neto)) FROM x
  UNION ALL SELECT 904, '' FROM x
  UNION ALL SELECT 905, 'Folio fiscal: ' || uuid FROM x
  UNION ALL SELECT 906, 'Este documento es una representacion impresa de un CFDI.' FROM x
),
contenido AS (
  SELECT 'BT /F1 9 Tf 13 TL 40 750 Td ' || group_concat('(' ||
    replace(replace(replace(replace(replace(replace(replace(replace(replace(replace(replace(replace(replace(replace(replace(replace(
      texto, '\', '\\'), '(', '\('), ')', '\)'), 'á', '\341'), 'é', '\351'), 'í', '\355'), 'ó', '\363'), 'ú', '\372'),
      'ñ', '\361'), 'Ñ', '\321'), 'Á', '\301'), 'É', '\311'), 'Í', '\315'), 'Ó', '\323'), 'Ú', '\332'), 'ü', '\374')
    || ') Tj T*', ' ') || ' ET' AS s
  FROM (SELECT texto FROM lineas ORDER BY n)
),
objetos AS (
  SELECT '%PDF-1.4' || char(10) AS h,
    '1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj' || char(10) AS o1,
    '2 0 obj << /Type /Pages /Kids [3 0 R] /Count 1 >> endobj' || char(10) AS o2,
    '3 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Resources << /Font << /F1 4 0 R >> >> /Contents 5 0 R >> endobj' || char(10) AS o3,
    '4 0 obj << /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >> endobj' || char(10) AS o4,
    '5 0 obj << /Length ' || length(s) || ' >>' || char(10) || 'stream' || char(10) || s || char(10) || 'endstream' || char(10) || 'endobj' || char(10) AS o5
  FROM contenido
),
pdf AS (
  SELECT h || o1 || o2 || o3 || o4 || o5 || 'xref' || char(10) || '0 6' || char(10) || '0000000000 65535 f ' || char(10) ||
    printf('%010d 00000 n ', length(h)) || char(10) ||
    printf('%010d 00000 n ', length(h || o1)) || char(10) ||
    printf('%010d 00000 n ', length(h || o1 || o2)) || char(10) ||
    printf('%010d 00000 n ', length(h || o1 || o2 || o3)) || char(10) ||
    printf('%010d 00000 n ', length(h || o1 || o2 || o3 || o4)) || char(10) ||
    'trailer << /Size 6 /Root 1 0 R >>' || char(10) || 'startxref' || char(10) ||
    length(h || o1 || o2 || o3 || o4 || o5) || char(10) || '%EOF' || char(10) AS documento
  FROM objetos
)
SELECT x.empresa AS empresa, x.codigo AS codigo, x.nomina AS nomina, x.periodo AS periodo, x.ayo AS ayo,
  x.uuid AS uuid, x.fch_pago AS fecha_pago, x.xml AS xml,
  x.rfc || '_' || x.ayo || '_' || printf('%02d', x.tiponom) || '_' || printf('%03d', x.periodo) || '_' || x.clase || '.xml' AS xml_nombre,
  CAST(pdf.documento AS BLOB) AS pdf,
  x.rfc || '_' || x.ayo || '_' || printf('%02d', x.tiponom) || '_' || printf('%03d', x.periodo) || '_' || x.clase || '.pdf' AS pdf_nombre
FROM x, pdf
GO
