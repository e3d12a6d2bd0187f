-- Demo data of the embedded payroll database, generated from PortalDemoTamano (employees, years).
-- Dates are relative to the day the script runs. Running it again rebuilds the demo data.

DELETE FROM PortalEmpleadoSolicitudPaso; DELETE FROM PortalEmpleadoSolicitud;
DELETE FROM PortalEmpleadoFlujoEmpleado; DELETE FROM PortalEmpleadoFlujoAprobador; DELETE FROM PortalEmpleadoFlujo;
DELETE FROM recibos_detalle; DELETE FROM recibos; DELETE FROM periodos;
DELETE FROM vacaciones; DELETE FROM ausentismos; DELETE FROM tiempo_extra; DELETE FROM cursos; DELETE FROM prestamos; DELETE FROM movimientos;
DELETE FROM rhfamiliar; DELETE FROM rhcatalogo; DELETE FROM datosemps; DELETE FROM llaves; DELETE FROM empleados;
DELETE FROM PortalPerfilPermisos; DELETE FROM PortalPerfiles; DELETE FROM usuarios;
DELETE FROM PortalEmpleadoPoliticas; DELETE FROM PORTALEMPLEADOLOGO; DELETE FROM PortalEmpleadoConfigMail;
DELETE FROM PortalEmpleadoConfigVacaciones; DELETE FROM PortalEmpleadoAdminConfig; DELETE FROM PortalEmpleadoConsolidar;
DELETE FROM PortalEmpresasSeleccionadas; DELETE FROM PortalMarcasRecibos;
DELETE FROM nominas; DELETE FROM centros; DELETE FROM tabulador; DELETE FROM horarios_catalogo; DELETE FROM bancos;
DELETE FROM empresas; DELETE FROM rhestados;
GO

-- Windows-1252 characters of the bytes 0x80 to 0x9F (undefined bytes keep their own code point),
-- used to scramble passwords exactly as the portal does.
CREATE TABLE IF NOT EXISTS PortalCp1252 (byte INTEGER PRIMARY KEY, u INTEGER NOT NULL);
INSERT OR REPLACE INTO PortalCp1252 VALUES (128,8364),(129,129),(130,8218),(131,402),(132,8222),(133,8230),(134,8224),(135,8225),
(136,710),(137,8240),(138,352),(139,8249),(140,338),(141,141),(142,381),(143,143),(144,144),(145,8216),(146,8217),(147,8220),
(148,8221),(149,8226),(150,8211),(151,8212),(152,732),(153,8482),(154,353),(155,8250),(156,339),(157,157),(158,382),(159,376);
GO

-- Plain demo passwords, scrambled into empleados and usuarios by the view below.
CREATE TABLE IF NOT EXISTS PortalClavesDemo (clave TEXT PRIMARY KEY, plano TEXT NOT NULL);
DELETE FROM PortalClavesDemo;
DROP VIEW IF EXISTS PortalClavesDemoCifradas;
CREATE VIEW PortalClavesDemoCifradas AS
WITH RECURSIVE paso(clave, plano, i, cifrada) AS (
  SELECT clave, plano, 0, '' FROM PortalClavesDemo
  UNION ALL
  SELECT clave, plano, i + 1, cifrada || (
    SELECT CASE WHEN b BETWEEN 128 AND 159 THEN (SELECT char(u) FROM PortalCp1252 WHERE byte = b) ELSE char(b) END
    FROM (SELECT ((CASE WHEN c BETWEEN 128 AND 159 OR c > 255 THEN COALESCE((SELECT byte FROM PortalCp1252 WHERE u = c), 63) ELSE c END)
                  + 10 - ((i + 1) % 3)) & 255 AS b
          FROM (SELECT unicode(substr(plano, i + 1, 1)) AS c)))
  FROM paso WHERE i < length(plano)
)
SELECT clave, plano, cifrada FROM paso WHERE i = length(plano);
GO

INSERT INTO rhestados (idestados, edtado, clave) VALUES
(1,'AGUASCALIENTES','AGU'),(2,'BAJA CALIFORNIA','BCN'),(3,'BAJA CALIFORNIA SUR','BCS'),(4,'CAMPECHE','CAM'),(5,'COAHUILA','COA'),
(6,'COLIMA','COL'),(7,'CHIAPAS','CHP'),(8,'CHIHUAHUA','CHH'),(9,'CIUDAD DE MÉXICO','CMX'),(10,'DURANGO','DUR'),(11,'GUANAJUATO','GUA'),
(12,'GUERRERO','GRO'),(13,'HIDALGO','HID'),(14,'JALISCO','JAL'),(15,'ESTADO DE MÉXICO','MEX'),(16,'MICHOACÁN','MIC'),(17,'MORELOS','MOR'),
(18,'NAYARIT','NAY'),(19,'NUEVO LEÓN','NLE'),(20,'OAXACA','OAX'),(21,'PUEBLA','PUE'),(22,'QUERÉTARO','QUE'),(23,'QUINTANA ROO','ROO'),
(24,'SAN LUIS POTOSÍ','SLP'),(25,'SINALOA','SIN'),(26,'SONORA','SON'),(27,'TABASCO','TAB'),(28,'TAMAULIPAS','TAM'),(29,'TLAXCALA','TLA'),
(30,'VERACRUZ','VER'),(31,'YUCATÁN','YUC'),(32,'ZACATECAS','ZAC');

INSERT INTO empresas (empresa, nombre_empresa, rfc_empresa, registro_patronal, direccion, entidad, codpostal, regimen_fiscal) VALUES
(1, 'COMERCIALIZADORA DEL NORTE DEMO SA DE CV', 'CND0801154K7', 'B1234567108', 'AV. CONSTITUCIÓN 1500 PTE, CENTRO, MONTERREY', 'NUEVO LEÓN', '64000', '601'),
(2, 'SERVICIOS INDUSTRIALES DEL BAJÍO DEMO SA DE CV', 'SIB120301QW2', 'C7654321105', 'BLVD. ADOLFO LÓPEZ MATEOS 2300, LEÓN', 'GUANAJUATO', '37000', '601'),
(3, 'CONSULTORES ASOCIADOS DEMO SC', 'CAD150615MN9', 'Y1122334100', 'PASEO DE LA REFORMA 222, JUÁREZ, CUAUHTÉMOC', 'CIUDAD DE MÉXICO', '06600', '601');

INSERT INTO bancos (banco, nombre) VALUES (2, 'BANAMEX'), (12, 'BBVA MÉXICO'), (14, 'SANTANDER'), (21, 'HSBC'), (72, 'BANORTE');

INSERT INTO nominas (empresa, tiponom, nomina) VALUES
(1, 1, 'NÓMINA SEMANAL OPERACIÓN'), (1, 4, 'NÓMINA QUINCENAL ADMINISTRATIVA'),
(2, 1, 'NÓMINA SEMANAL PLANTA'), (2, 4, 'NÓMINA QUINCENAL CONFIANZA'),
(3, 1, 'NÓMINA SEMANAL'), (3, 4, 'NÓMINA QUINCENAL');

INSERT INTO centros (empresa, centro, nomdepto)
SELECT em.empresa, c.centro, c.nomdepto FROM empresas em,
(SELECT 10 AS centro, 'DIRECCIÓN GENERAL' AS nomdepto UNION ALL SELECT 20, 'RECURSOS HUMANOS' UNION ALL SELECT 30, 'CONTABILIDAD Y FINANZAS'
 UNION ALL SELECT 40, 'VENTAS' UNION ALL SELECT 50, 'ALMACÉN Y LOGÍSTICA' UNION ALL SELECT 60, 'PRODUCCIÓN') c;

INSERT INTO tabulador (empresa, ocupacion, actividad, sueldo_diario)
SELECT em.empresa, t.ocupacion, t.actividad, t.sd FROM empresas em,
(SELECT 1 AS ocupacion, 'DIRECTOR GENERAL' AS actividad, 2800.00 AS sd UNION ALL SELECT 2, 'GERENTE DE RECURSOS HUMANOS', 1650.00
 UNION ALL SELECT 3, 'CONTADOR', 980.00 UNION ALL SELECT 4, 'EJECUTIVO DE VENTAS', 720.00 UNION ALL SELECT 5, 'ALMACENISTA', 410.00
 UNION ALL SELECT 6, 'OPERADOR DE PRODUCCIÓN', 375.00 UNION ALL SELECT 7, 'AUXILIAR ADMINISTRATIVO', 520.00 UNION ALL SELECT 8, 'SUPERVISOR DE PRODUCCIÓN', 860.00) t;

INSERT INTO horarios_catalogo (empresa, horario, nombre)
SELECT em.empresa, h.horario, h.nombre FROM empresas em,
(SELECT 1 AS horario, 'MATUTINO 07:00 A 15:00' AS nombre UNION ALL SELECT 2, 'VESPERTINO 15:00 A 23:00' UNION ALL SELECT 3, 'OFICINA 09:00 A 18:00') h;
GO

-- Profiles and their permissions (funcion, opcion).
INSERT INTO PortalPerfiles (perfil, nombre, ver_sueldo) VALUES
(1, 'ACCESO TOTAL', 'S'), (2, 'SIN SUELDOS', 'N'), (3, 'SOLO AUTORIZA', 'S'), (4, 'EMPLEADO', 'S'), (5, 'CONSULTA', 'S');
WITH todos(funcion, opcion) AS (VALUES ('A','A1'),('A','A2'),('B','B1'),('C','C1'),('E','E1'),('F','F1'),('G','G1'),('H','H1'),('H','H2'),('H','H3'),
  ('R','R1'),('R','R2'),('R','R3'),('R','R4'),('R','R5'),('R','R6'),('R','R7'),('R','R8'),('R','R9'),('R','R10'))
INSERT INTO PortalPerfilPermisos (perfil, funcion, opcion)
SELECT 1, funcion, opcion FROM todos
UNION ALL SELECT 2, funcion, opcion FROM todos
UNION ALL SELECT 3, funcion, opcion FROM todos WHERE funcion = 'H'
UNION ALL SELECT 4, funcion, opcion FROM todos WHERE opcion IN ('A1','A2','B1','C1','E1','F1','G1','H1','H2','H3','R1','R2','R3','R6','R10')
UNION ALL SELECT 5, funcion, opcion FROM todos WHERE opcion IN ('C1','F1','G1','R1','R2','R3');
GO

-- Employees: 60% in company 1, 30% in company 2, the rest in company 3. Employee numbers are
-- unique over the database: company 1 from 1, company 2 from 100001, company 3 from 200001.
WITH RECURSIVE
tam AS (SELECT empleados AS n, max(8, CAST(round(empleados * 0.6) AS INTEGER)) AS n1,
          max(3, CAST(round(empleados * 0.3) AS INTEGER)) AS n2 FROM PortalDemoTamano WHERE id = 1),
seq(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM seq, tam WHERE i < max(tam.n, tam.n1 + tam.n2 + 2)),
pos AS (
  SELECT i, CASE WHEN i <= n1 THEN 1 WHEN i <= n1 + n2 THEN 2 ELSE 3 END AS empresa,
    CASE WHEN i <= n1 THEN i WHEN i <= n1 + n2 THEN i - n1 ELSE i - n1 - n2 END AS k
  FROM seq, tam
),
nom(idx, nombre, sexo) AS (VALUES (0,'JOSÉ LUIS','H'),(1,'MARÍA GUADALUPE','M'),(2,'JUAN','H'),(3,'ANA KAREN','M'),(4,'MIGUEL ÁNGEL','H'),
  (5,'VERÓNICA','M'),(6,'FRANCISCO JAVIER','H'),(7,'ALEJANDRA','M'),(8,'JESÚS','H'),(9,'GABRIELA','M'),(10,'RICARDO','H'),(11,'PATRICIA','M'),
  (12,'DANIEL','H'),(13,'CLAUDIA IVETTE','M'),(14,'ALEJANDRO','H'),(15,'MÓNICA','M'),(16,'EDUARDO','H'),(17,'ADRIANA','M'),(18,'FERNANDO','H'),
  (19,'LETICIA','M'),(20,'SERGIO','H'),(21,'ROSA ELENA','M'),(22,'ARTURO','H'),(23,'DIANA LAURA','M')),
ape(idx, apellido) AS (VALUES (0,'GARZA'),(1,'MARTÍNEZ'),(2,'GONZÁLEZ'),(3,'RODRÍGUEZ'),(4,'TREVIÑO'),(5,'VILLARREAL'),(6,'SÁNCHEZ'),
  (7,'FLORES'),(8,'DOMÍNGUEZ'),(9,'CANTÚ'),(10,'ZAMORA'),(11,'CORTÉS'),(12,'NÚÑEZ'),(13,'ESPINOZA'),(14,'LEAL'),(15,'BECERRA'),
  (16,'MONTEMAYOR'),(17,'OCHOA'),(18,'PALACIOS'),(19,'QUIROGA'),(20,'ROBLES'),(21,'SALAZAR'),(22,'TAMEZ'),(23,'URIBE'),
  (24,'VALDEZ'),(25,'YÁÑEZ'),(26,'ELIZONDO'),(27,'IBARRA'),(28,'JUÁREZ'),(29,'LOZANO')),
base AS (
  SELECT p.empresa, p.k, (p.empresa - 1) * 100000 + p.k AS codigo,
    (SELECT nombre FROM nom WHERE idx = (p.i * 7 + 3) % 24) AS nombre,
    (SELECT sexo FROM nom WHERE idx = (p.i * 7 + 3) % 24) AS sexo,
    (SELECT apellido FROM ape WHERE idx = (p.i * 11 + 5) % 30) AS paterno,
    (SELECT apellido FROM ape WHERE idx = (p.i * 13 + 17) % 30) AS materno,
    CASE WHEN p.k = 1 THEN 1 WHEN p.k = 2 THEN 2 WHEN p.k = 3 THEN 8 ELSE 3 + (((p.empresa - 1) * 100000 + p.k) * 5) % 6 END AS ocupacion,
    date('now', '-' || (23 + (p.i * 37) % 33) || ' years', '-' || ((p.i * 53) % 330) || ' days') AS fchnac,
    date('now', '-' || CASE WHEN p.k % 9 = 8 THEN 0 ELSE 1 + (p.i * 29) % 24 END || ' years', '-' || (20 + (p.i * 41) % 300) || ' days') AS fchalta,
    p.i AS semilla
  FROM pos p
)
INSERT INTO empleados (empresa, codigo, nombre, ap_paterno, ap_materno, rfcalfa, rfcnum, rfchomo, rfc, curp, afiliacion, digvera,
  tiposal, tipo_emp, fchalta, fchantigua, fchnac, edonac, fch_baja, mail, password, perfil, sueldo_diario, supervisor)
SELECT b.empresa, b.codigo, b.nombre, b.paterno, b.materno,
  upper(substr(b.paterno, 1, 2) || substr(b.materno, 1, 1) || substr(b.nombre, 1, 1)),
  substr(strftime('%Y%m%d', b.fchnac), 3),
  substr('ABCDEFGHJKLMNPQRSTUVWXYZ123456789', 1 + (b.semilla * 7) % 33, 1) || substr('ABCDEFGHJKLMNPQRSTUVWXYZ123456789', 1 + (b.semilla * 11) % 33, 1) ||
    substr('123456789A', 1 + b.semilla % 10, 1),
  NULL,
  upper(substr(b.paterno, 1, 2) || substr(b.materno, 1, 1) || substr(b.nombre, 1, 1)) || substr(strftime('%Y%m%d', b.fchnac), 3) || b.sexo ||
    (SELECT clave FROM rhestados WHERE idestados = 1 + b.semilla % 32) ||
    upper(substr(b.paterno, 3, 1) || substr(b.materno, 3, 1) || substr(b.nombre, 3, 1)) || '0' || (b.semilla % 10),
  printf('%02d%s%s%04d', 10 + b.semilla % 80, substr(strftime('%Y', b.fchalta), 3), substr(strftime('%Y', b.fchnac), 3), b.semilla % 10000),
  CAST(b.semilla % 10 AS TEXT),
  CASE WHEN b.ocupacion IN (4) THEN '1' ELSE '0' END, '1', b.fchalta, b.fchalta, b.fchnac,
  (SELECT edtado FROM rhestados WHERE idestados = 1 + b.semilla % 32), NULL,
  lower(replace(replace(replace(replace(replace(replace(substr(b.nombre, 1, instr(b.nombre || ' ', ' ') - 1), 'É', 'E'), 'Á', 'A'), 'Í', 'I'), 'Ó', 'O'), 'Ú', 'U'), 'Ñ', 'N')) || '.' ||
    lower(replace(replace(replace(replace(replace(replace(b.paterno, 'É', 'E'), 'Á', 'A'), 'Í', 'I'), 'Ó', 'O'), 'Ú', 'U'), 'Ñ', 'N')) || b.codigo || '@demo.local',
  NULL,
  CASE WHEN b.k = 1 THEN 1 WHEN b.k % 4 = 0 THEN 5 ELSE 4 END,
  (SELECT sueldo_diario FROM tabulador t WHERE t.empresa = b.empresa AND t.ocupacion = b.ocupacion) + (b.semilla % 7) * 5,
  CASE WHEN b.k = 1 THEN NULL WHEN b.k IN (2, 3) THEN (b.empresa - 1) * 100000 + 1 ELSE (b.empresa - 1) * 100000 + 3 END
FROM base b;
UPDATE empleados SET
  rfcalfa = replace(replace(replace(replace(replace(rfcalfa, 'Á', 'A'), 'É', 'E'), 'Í', 'I'), 'Ó', 'O'), 'Ú', 'U'),
  curp = replace(replace(replace(replace(replace(replace(curp, 'Á', 'A'), 'É', 'E'), 'Í', 'I'), 'Ó', 'O'), 'Ú', 'U'), 'Ñ', 'X');
UPDATE empleados SET rfc = rfcalfa || rfcnum || rfchomo, cta_bco_no = printf('%011d', (codigo * 48271 + empresa * 7) % 100000000000);

INSERT INTO llaves (empresa, codigo, centro, ocupacion, banco, horario, tiponom)
SELECT e.empresa, e.codigo,
  CASE o.ocupacion WHEN 1 THEN 10 WHEN 2 THEN 20 WHEN 3 THEN 30 WHEN 4 THEN 40 WHEN 5 THEN 50 WHEN 6 THEN 60 WHEN 7 THEN 20 ELSE 60 END,
  o.ocupacion, CASE e.codigo % 5 WHEN 0 THEN 2 WHEN 1 THEN 12 WHEN 2 THEN 14 WHEN 3 THEN 21 ELSE 72 END,
  CASE WHEN o.ocupacion IN (5, 6, 8) THEN 1 + e.codigo % 2 ELSE 3 END,
  CASE WHEN o.ocupacion IN (5, 6, 8) THEN 1 ELSE 4 END
FROM empleados e JOIN (SELECT empresa, codigo,
    CASE codigo % 100000 WHEN 1 THEN 1 WHEN 2 THEN 2 WHEN 3 THEN 8 ELSE 3 + (codigo * 5) % 6 END AS ocupacion
  FROM empleados) o ON o.empresa = e.empresa AND o.codigo = e.codigo;
GO

-- The demo logins with something particular (README "Demo database and logins").
UPDATE empleados SET nombre = 'JUAN CARLOS', ap_paterno = 'GARCÍA', ap_materno = 'LÓPEZ', perfil = 1,
  rfcalfa = 'GALJ', rfcnum = '780412', rfchomo = 'KT5', curp = 'GALJ780412HNLRPN05', fchnac = '1978-04-12'
  WHERE empresa = 1 AND codigo = 1;
UPDATE empleados SET nombre = 'MARÍA FERNANDA', ap_paterno = 'HERNÁNDEZ', ap_materno = 'RUIZ', perfil = 2,
  rfcalfa = 'HERM', rfcnum = '850923', rfchomo = 'QW1', curp = 'HERM850923MNLRZR03', fchnac = '1985-09-23'
  WHERE empresa = 1 AND codigo = 2;
UPDATE empleados SET nombre = 'ROBERTO', ap_paterno = 'SALINAS', ap_materno = 'MEDINA', perfil = 3,
  rfcalfa = 'SAMR', rfcnum = '800130', rfchomo = 'HB8', curp = 'SAMR800130HNLLDB09', fchnac = '1980-01-30'
  WHERE empresa = 1 AND codigo = 3;
UPDATE empleados SET nombre = 'LAURA PATRICIA', ap_paterno = 'MORALES', ap_materno = 'TAPIA', perfil = 4,
  rfcalfa = 'MOTL', rfcnum = '900512', rfchomo = 'HJ3', curp = 'MOTL900512MNLRPR01', fchnac = '1990-05-12'
  WHERE empresa = 1 AND codigo = 4;
UPDATE empleados SET nombre = 'ANA SOFÍA', ap_paterno = 'ORTIZ', ap_materno = 'ÑÍGUEZ', perfil = 4,
  rfcalfa = 'OIÑA', rfcnum = '900215', rfchomo = 'AB3', curp = 'OIXA900215MNLRXN08', fchnac = '1990-02-15'
  WHERE empresa = 1 AND codigo = 5;
UPDATE empleados SET nombre = 'PEDRO LUIS', ap_paterno = 'RAMÍREZ', ap_materno = 'CASTRO', perfil = 1,
  rfcalfa = 'RACP', rfcnum = '820708', rfchomo = 'LM4', curp = 'RACP820708HNLMSD02', fchnac = '1982-07-08'
  WHERE empresa = 1 AND codigo = 6;
UPDATE empleados SET fch_baja = date('now', '-4 months') WHERE empresa = 1 AND codigo = 7;
-- The same person as employee 6 also works for company 3 (receipts of all companies).
UPDATE empleados SET nombre = 'PEDRO LUIS', ap_paterno = 'RAMÍREZ', ap_materno = 'CASTRO',
  rfcalfa = 'RACP', rfcnum = '820708', rfchomo = 'LM4', curp = 'RACP820708HNLMSD02', fchnac = '1982-07-08'
  WHERE empresa = 3 AND codigo = 200002;
UPDATE empleados SET rfc = rfcalfa || rfcnum || rfchomo,
  mail = lower(replace(replace(replace(substr(nombre, 1, instr(nombre || ' ', ' ') - 1), 'Í', 'I'), 'Á', 'A'), 'É', 'E')) || '.' ||
         lower(replace(replace(replace(ap_paterno, 'Í', 'I'), 'Á', 'A'), 'É', 'E')) || codigo || '@demo.local'
  WHERE empresa = 1 AND codigo <= 7 OR codigo = 200002;

-- Passwords: "Clave2024" for employee 1, the RFC for employee 5, none yet for employee 4
-- (who logs in with the RFC), "1234" for everybody else; administrator "Admin2024".
INSERT INTO PortalClavesDemo (clave, plano)
SELECT empresa || '-' || codigo, CASE WHEN empresa = 1 AND codigo = 1 THEN 'Clave2024' WHEN empresa = 1 AND codigo = 5 THEN rfc ELSE '1234' END
FROM empleados WHERE NOT (empresa = 1 AND codigo = 4)
UNION ALL SELECT 'ADMIN', 'Admin2024';
CREATE TABLE IF NOT EXISTS PortalClavesDemoListas (clave TEXT PRIMARY KEY, cifrada TEXT NOT NULL);
DELETE FROM PortalClavesDemoListas;
INSERT INTO PortalClavesDemoListas (clave, cifrada) SELECT clave, cifrada FROM PortalClavesDemoCifradas;
UPDATE empleados SET password = (SELECT cifrada FROM PortalClavesDemoListas c WHERE c.clave = empleados.empresa || '-' || empleados.codigo);
INSERT INTO usuarios (usuario, password) SELECT 'Administrador', cifrada FROM PortalClavesDemoListas WHERE clave = 'ADMIN';
DELETE FROM PortalClavesDemoListas; DELETE FROM PortalClavesDemo;
GO

-- Addresses, contact data and families.
WITH col(idx, colonia, cp) AS (VALUES (0,'CENTRO','64000'),(1,'MITRAS CENTRO','64460'),(2,'CUMBRES','64610'),(3,'ANÁHUAC','66450'),
  (4,'CONTRY','64860'),(5,'LINDAVISTA','67130'),(6,'DEL VALLE','66220'),(7,'SANTA CATARINA CENTRO','66350'))
INSERT INTO datosemps (empresa, codigo, domicilio, colonia, poblacion, municipio, localidad, codpostal, telefono, email, umf, nacional, edocivil)
SELECT e.empresa, e.codigo,
  CASE e.codigo % 4 WHEN 0 THEN 'CALLE HIDALGO ' WHEN 1 THEN 'AV. JUÁREZ ' WHEN 2 THEN 'CALLE MORELOS ' ELSE 'PRIV. ALDAMA ' END || (100 + (e.codigo * 37) % 1900),
  c.colonia, em.entidad,
  CASE e.empresa WHEN 1 THEN 'MONTERREY' WHEN 2 THEN 'LEÓN' ELSE 'CUAUHTÉMOC' END,
  CASE e.empresa WHEN 1 THEN 'MONTERREY' WHEN 2 THEN 'LEÓN DE LOS ALDAMA' ELSE 'CIUDAD DE MÉXICO' END,
  c.cp, printf('81%08d', (e.codigo * 7919) % 100000000), e.mail, printf('%03d', 1 + e.codigo % 60), 'MEXICANA',
  CASE e.codigo % 5 WHEN 0 THEN 'S' WHEN 4 THEN 'V' ELSE 'C' END
FROM empleados e JOIN empresas em ON em.empresa = e.empresa JOIN col c ON c.idx = e.codigo % 8;
-- Employee 4 has no e-mail registered.
UPDATE datosemps SET email = '' WHERE empresa = 1 AND codigo = 4;
UPDATE empleados SET mail = '' WHERE empresa = 1 AND codigo = 4;

INSERT INTO rhcatalogo (idcatalogo, empresa, codigo) SELECT row_number() OVER (ORDER BY empresa, codigo), empresa, codigo FROM empleados;

-- Father and mother for everybody, a spouse for the married, 0 to 3 children.
WITH RECURSIVE hijos(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM hijos WHERE n < 3),
miembros AS (
  SELECT c.idcatalogo, 1 AS parentesco, 'JOSÉ ' || e.ap_paterno || ' ' || COALESCE((SELECT ap_materno FROM empleados x WHERE x.codigo = e.codigo + 1 AND x.empresa = e.empresa), 'ROBLES') AS nombre,
    date(e.fchnac, '-28 years') AS nac, 0 AS n
  FROM empleados e JOIN rhcatalogo c ON c.empresa = e.empresa AND c.codigo = e.codigo
  UNION ALL
  SELECT c.idcatalogo, 2, 'MARÍA ' || COALESCE(e.ap_materno, 'LÓPEZ') || ' ' || 'GARZA', date(e.fchnac, '-25 years'), 0
  FROM empleados e JOIN rhcatalogo c ON c.empresa = e.empresa AND c.codigo = e.codigo
  UNION ALL
  SELECT c.idcatalogo, 5, CASE e.codigo % 3 WHEN 0 THEN 'CLAUDIA ' WHEN 1 THEN 'SANDRA ' ELSE 'LUIS ' END || 'VALDEZ OCHOA', date(e.fchnac, '+2 years'), 0
  FROM empleados e JOIN rhcatalogo c ON c.empresa = e.empresa AND c.codigo = e.codigo JOIN datosemps d ON d.empresa = e.empresa AND d.codigo = e.codigo
  WHERE d.edocivil = 'C'
  UNION ALL
  SELECT c.idcatalogo, 3, CASE (e.codigo + h.n) % 4 WHEN 0 THEN 'SANTIAGO ' WHEN 1 THEN 'VALENTINA ' WHEN 2 THEN 'MATEO ' ELSE 'REGINA ' END ||
    e.ap_paterno || ' VALDEZ', date('now', '-' || (1 + (e.codigo * 3 + h.n * 5) % 17) || ' years', '-' || ((e.codigo + h.n) * 31 % 300) || ' days'), h.n
  FROM empleados e JOIN rhcatalogo c ON c.empresa = e.empresa AND c.codigo = e.codigo JOIN hijos h ON h.n <= e.codigo % 4
)
INSERT INTO rhfamiliar (id_familia, nombre, Idcatalogo, idparentesco, fch_nac)
SELECT row_number() OVER (ORDER BY idcatalogo, parentesco, n), nombre, idcatalogo, parentesco, nac FROM miembros;
GO

-- Payroll periods: weekly (52 a year) and fortnightly (24 a year) for every company over the
-- configured years up to the current period, plus year-end bonus (90), savings fund (91) and
-- profit sharing (92) periods. A period is closed once its last day (or payment day) has passed.
WITH RECURSIVE
anios(y) AS (SELECT CAST(strftime('%Y', 'now') AS INTEGER) - (SELECT anios FROM PortalDemoTamano WHERE id = 1) + 1
             UNION ALL SELECT y + 1 FROM anios WHERE y < CAST(strftime('%Y', 'now') AS INTEGER)),
sem(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM sem WHERE k < 52),
qui(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM qui WHERE k < 24),
todos AS (
  SELECT 1 AS tiponom, y, k AS periodo, 'NOR' AS clase, date(y || '-01-01', '+' || (7 * (k - 1)) || ' days') AS ini,
    date(y || '-01-01', '+' || (7 * (k - 1) + 6) || ' days') AS fin, date(y || '-01-01', '+' || (7 * (k - 1) + 6) || ' days') AS pago, 7 AS dias
  FROM anios, sem
  UNION ALL
  SELECT 4, y, k, 'NOR', printf('%04d-%02d-%s', y, (k + 1) / 2, CASE k % 2 WHEN 1 THEN '01' ELSE '16' END),
    CASE k % 2 WHEN 1 THEN printf('%04d-%02d-15', y, (k + 1) / 2) ELSE date(printf('%04d-%02d-01', y, (k + 1) / 2), '+1 month', '-1 day') END,
    CASE k % 2 WHEN 1 THEN printf('%04d-%02d-15', y, (k + 1) / 2) ELSE date(printf('%04d-%02d-01', y, (k + 1) / 2), '+1 month', '-1 day') END, 15
  FROM anios, qui
  UNION ALL
  SELECT t.tiponom, y, 90, 'AGI', y || '-01-01', y || '-12-31', y || '-12-15', 1 FROM anios, (SELECT 1 AS tiponom UNION ALL SELECT 4) t
  UNION ALL
  SELECT t.tiponom, y, 91, 'FDO', y || '-01-01', y || '-12-31', y || '-12-10', 1 FROM anios, (SELECT 1 AS tiponom UNION ALL SELECT 4) t
  UNION ALL
  SELECT t.tiponom, y, 92, 'OTR', (y - 1) || '-01-01', (y - 1) || '-12-31', y || '-05-25', 1 FROM anios, (SELECT 1 AS tiponom UNION ALL SELECT 4) t
)
INSERT INTO periodos (empresa, tiponom, ayo, periodo, clase, fch_inicio, fch_cierre, fch_pago, dias, cerrado)
SELECT em.empresa, t.tiponom, t.y, t.periodo, t.clase, t.ini, t.fin, t.pago, t.dias,
  CASE WHEN t.clase = 'NOR' AND t.fin < date('now') THEN 'S' WHEN t.clase <> 'NOR' AND t.pago <= date('now') THEN 'S' ELSE 'N' END
FROM empresas em, todos t
WHERE t.ini <= date('now');
GO

-- Vacations by the 2023 table (12 days after the first year, 14, 16, 18, 20, then 22 to 32 in
-- five-year steps) with a 25% premium. Every completed anniversary but the last is enjoyed in full;
-- of the last one part is enjoyed and, for some employees, part is scheduled ahead.
CREATE TABLE IF NOT EXISTS PortalTablaVacaciones (desde INTEGER PRIMARY KEY, hasta INTEGER NOT NULL, dias INTEGER NOT NULL);
INSERT OR REPLACE INTO PortalTablaVacaciones VALUES (1,1,12),(2,2,14),(3,3,16),(4,4,18),(5,5,20),(6,10,22),(11,15,24),(16,20,26),
  (21,25,28),(26,30,30),(31,35,32),(36,99,32);
WITH RECURSIVE
aniv(empresa, codigo, a, fecha) AS (
  SELECT empresa, codigo, 1, date(fchantigua, '+1 years') FROM empleados WHERE date(fchantigua, '+1 years') <= date('now') AND fch_baja IS NULL
  UNION ALL
  SELECT empresa, codigo, a + 1, date((SELECT fchantigua FROM empleados e WHERE e.empresa = aniv.empresa AND e.codigo = aniv.codigo), '+' || (a + 1) || ' years')
  FROM aniv WHERE date((SELECT fchantigua FROM empleados e WHERE e.empresa = aniv.empresa AND e.codigo = aniv.codigo), '+' || (a + 1) || ' years') <= date('now')
),
ult AS (SELECT empresa, codigo, max(a) AS ultimo FROM aniv GROUP BY empresa, codigo),
filas AS (
  SELECT v.empresa, v.codigo, v.a, v.fecha, t.dias AS derecho, u.ultimo,
    CASE WHEN v.a < u.ultimo THEN t.dias ELSE (v.codigo * 7) % (t.dias - 3) END AS tomados,
    CASE WHEN v.a < u.ultimo THEN date(v.fecha, '+' || (40 + v.codigo % 90) || ' days') ELSE date(v.fecha, '+' || (5 + v.codigo % 20) || ' days') END AS disfrute
  FROM aniv v JOIN ult u ON u.empresa = v.empresa AND u.codigo = v.codigo
  JOIN PortalTablaVacaciones t ON v.a BETWEEN t.desde AND t.hasta
)
INSERT INTO vacaciones (empresa, codigo, fecha_disfrute, aniversario, dias_tabulados, dias_disfrutados, prima_pct, prima_importe, prima_dias,
  descansos, festivos, programada)
SELECT f.empresa, f.codigo, f.disfrute, f.a, f.derecho, f.tomados, 25, round(f.tomados * e.sueldo_diario * 0.25, 2), round(f.tomados * 0.25, 2),
  (f.tomados / 6), CASE WHEN f.tomados > 10 THEN 1 ELSE 0 END, CASE WHEN f.disfrute > date('now') THEN 'S' ELSE 'N' END
FROM filas f JOIN empleados e ON e.empresa = f.empresa AND e.codigo = f.codigo
WHERE f.tomados > 0;

-- Absences and overtime, spread over the closed ordinary periods.
INSERT INTO ausentismos (empresa, codigo, fecha, dias, concepto, descripcion, justificar)
SELECT e.empresa, e.codigo, date(p.fch_inicio, '+1 days'),
  CASE (e.codigo + p.periodo) % 3 WHEN 0 THEN 1 WHEN 1 THEN 3 ELSE 1 END,
  CASE (e.codigo + p.periodo) % 3 WHEN 0 THEN 'FI' WHEN 1 THEN 'INC' ELSE 'PCG' END,
  CASE (e.codigo + p.periodo) % 3 WHEN 0 THEN 'FALTA INJUSTIFICADA' WHEN 1 THEN 'INCAPACIDAD POR ENFERMEDAD' ELSE 'PERMISO CON GOCE DE SUELDO' END,
  CASE (e.codigo + p.periodo) % 3 WHEN 0 THEN 'NO' WHEN 1 THEN 'SI - INCAPACIDAD IMSS' ELSE 'SI - AUTORIZADO' END
FROM empleados e JOIN llaves l ON l.empresa = e.empresa AND l.codigo = e.codigo
JOIN periodos p ON p.empresa = e.empresa AND p.tiponom = l.tiponom AND p.clase = 'NOR' AND p.cerrado = 'S'
WHERE (e.codigo * 3 + p.periodo * 5) % CASE l.tiponom WHEN 1 THEN 17 ELSE 8 END = 0 AND p.fch_inicio >= e.fchalta
  AND (e.fch_baja IS NULL OR p.fch_inicio <= e.fch_baja);

INSERT INTO tiempo_extra (empresa, codigo, fecha, periodo, concepto, descripcion, horas)
SELECT e.empresa, e.codigo, date(p.fch_inicio, '+' || (e.codigo % 5) || ' days'), p.periodo,
  CASE WHEN (e.codigo + p.periodo) % 4 = 0 THEN 'HET' ELSE 'HED' END,
  CASE WHEN (e.codigo + p.periodo) % 4 = 0 THEN 'HORAS EXTRA TRIPLES' ELSE 'HORAS EXTRA DOBLES' END,
  1 + (e.codigo + p.periodo) % 4
FROM empleados e JOIN llaves l ON l.empresa = e.empresa AND l.codigo = e.codigo
JOIN periodos p ON p.empresa = e.empresa AND p.tiponom = l.tiponom AND p.clase = 'NOR' AND p.cerrado = 'S'
WHERE (e.codigo + p.periodo) % CASE l.tiponom WHEN 1 THEN 3 ELSE 5 END = 0 AND p.fch_inicio >= e.fchalta
  AND (e.fch_baja IS NULL OR p.fch_inicio <= e.fch_baja)
  AND NOT EXISTS (SELECT 1 FROM ausentismos a WHERE a.empresa = e.empresa AND a.codigo = e.codigo
                  AND a.fecha = date(p.fch_inicio, '+' || (e.codigo % 5) || ' days'));
GO

-- Receipts. The concept rows come first; each receipt's totals are then summed from its rows.
CREATE TABLE IF NOT EXISTS PortalDemoRecibosBase (
  empresa INTEGER, codigo INTEGER, tiponom INTEGER, ayo INTEGER, periodo INTEGER, clase TEXT,
  ini DATE, fin DATE, dias NUMERIC, sd NUMERIC, PRIMARY KEY (empresa, codigo, ayo, tiponom, periodo, clase)
);
DELETE FROM PortalDemoRecibosBase;
INSERT INTO PortalDemoRecibosBase
SELECT e.empresa, e.codigo, p.tiponom, p.ayo, p.periodo, p.clase, p.fch_inicio, p.fch_cierre,
  CASE WHEN p.clase <> 'NOR' THEN 1 ELSE max(0,
    CASE WHEN e.fchalta > p.fch_inicio THEN julianday(p.fch_cierre) - julianday(e.fchalta) + 1 ELSE p.dias END -
    COALESCE((SELECT sum(a.dias) FROM ausentismos a WHERE a.empresa = e.empresa AND a.codigo = e.codigo
              AND a.fecha BETWEEN p.fch_inicio AND p.fch_cierre AND a.concepto IN ('FI', 'INC')), 0)) END,
  e.sueldo_diario
FROM empleados e JOIN llaves l ON l.empresa = e.empresa AND l.codigo = e.codigo
JOIN periodos p ON p.empresa = e.empresa AND p.tiponom = l.tiponom AND p.cerrado = 'S'
WHERE e.fchalta <= p.fch_cierre AND (e.fch_baja IS NULL OR e.fch_baja >= p.fch_inicio)
  AND (p.clase <> 'OTR' OR e.fchalta <= date(p.fch_inicio, '+6 months'));

-- Earnings of ordinary receipts: salary, overtime, vacation premium.
INSERT INTO recibos_detalle (empresa, codigo, tiponom, ayo, periodo, clase, tipo, concepto, clave_sat, descripcion, gravado, exento, importe)
SELECT empresa, codigo, tiponom, ayo, periodo, clase, 'P', 1, '001', 'SUELDO', round(sd * dias, 2), 0, round(sd * dias, 2)
FROM PortalDemoRecibosBase WHERE clase = 'NOR' AND dias > 0;
INSERT INTO recibos_detalle (empresa, codigo, tiponom, ayo, periodo, clase, tipo, concepto, clave_sat, descripcion, gravado, exento, importe)
SELECT b.empresa, b.codigo, b.tiponom, b.ayo, b.periodo, b.clase, 'P', 2, '019', 'HORAS EXTRA',
  round(x.imp / 2, 2), round(x.imp, 2) - round(x.imp / 2, 2), round(x.imp, 2)
FROM PortalDemoRecibosBase b JOIN (
  SELECT b2.empresa, b2.codigo, b2.ayo, b2.tiponom, b2.periodo, sum(t.horas * b2.sd / 8 * CASE t.concepto WHEN 'HET' THEN 3 ELSE 2 END) AS imp
  FROM PortalDemoRecibosBase b2 JOIN tiempo_extra t ON t.empresa = b2.empresa AND t.codigo = b2.codigo AND t.fecha BETWEEN b2.ini AND b2.fin
  WHERE b2.clase = 'NOR' GROUP BY b2.empresa, b2.codigo, b2.ayo, b2.tiponom, b2.periodo
) x ON x.empresa = b.empresa AND x.codigo = b.codigo AND x.ayo = b.ayo AND x.tiponom = b.tiponom AND x.periodo = b.periodo
WHERE b.clase = 'NOR' AND b.dias > 0;
INSERT INTO recibos_detalle (empresa, codigo, tiponom, ayo, periodo, clase, tipo, concepto, clave_sat, descripcion, gravado, exento, importe)
SELECT b.empresa, b.codigo, b.tiponom, b.ayo, b.periodo, b.clase, 'P', 3, '021', 'PRIMA VACACIONAL',
  max(0, round(x.imp - 1628.55, 2)), round(min(x.imp, 1628.55), 2), round(x.imp, 2)
FROM PortalDemoRecibosBase b JOIN (
  SELECT b2.empresa, b2.codigo, b2.ayo, b2.tiponom, b2.periodo, sum(v.prima_importe) AS imp
  FROM PortalDemoRecibosBase b2 JOIN vacaciones v ON v.empresa = b2.empresa AND v.codigo = b2.codigo
    AND v.fecha_disfrute BETWEEN b2.ini AND b2.fin AND v.programada = 'N'
  WHERE b2.clase = 'NOR' GROUP BY b2.empresa, b2.codigo, b2.ayo, b2.tiponom, b2.periodo
) x ON x.empresa = b.empresa AND x.codigo = b.codigo AND x.ayo = b.ayo AND x.tiponom = b.tiponom AND x.periodo = b.periodo
WHERE b.clase = 'NOR' AND b.dias > 0;

-- Deductions of ordinary receipts: social security, savings fund (companies 1 and 2), housing loan.
INSERT INTO recibos_detalle (empresa, codigo, tiponom, ayo, periodo, clase, tipo, concepto, clave_sat, descripcion, gravado, exento, importe)
SELECT empresa, codigo, tiponom, ayo, periodo, clase, 'D', 1, '001', 'CUOTA IMSS', 0, 0, round(sd * dias * 0.02375, 2)
FROM PortalDemoRecibosBase WHERE clase = 'NOR' AND dias > 0
UNION ALL
SELECT empresa, codigo, tiponom, ayo, periodo, clase, 'D', 3, '004', 'FONDO DE AHORRO', 0, 0, round(sd * dias * 0.05, 2)
FROM PortalDemoRecibosBase WHERE clase = 'NOR' AND dias > 0 AND empresa IN (1, 2)
UNION ALL
SELECT empresa, codigo, tiponom, ayo, periodo, clase, 'D', 4, '010', 'CRÉDITO INFONAVIT', 0, 0, CASE tiponom WHEN 1 THEN 350 ELSE 750 END
FROM PortalDemoRecibosBase WHERE clase = 'NOR' AND dias > 0 AND codigo % 6 = 0;

-- Year-end bonus (15 days, in proportion to the days worked in the year), savings fund
-- (the employee's contributions of the year doubled by the company), profit sharing.
INSERT INTO recibos_detalle (empresa, codigo, tiponom, ayo, periodo, clase, tipo, concepto, clave_sat, descripcion, gravado, exento, importe)
SELECT empresa, codigo, tiponom, ayo, periodo, clase, 'P', 5, '002', 'AGUINALDO', max(0, round(imp - 3257.10, 2)), round(min(imp, 3257.10), 2), imp
FROM (SELECT b.*, round(b.sd * 15 * min(1.0, (julianday(b.fin) - julianday(max(b.ini, e.fchalta)) + 1) / 365.0), 2) AS imp
      FROM PortalDemoRecibosBase b JOIN empleados e ON e.empresa = b.empresa AND e.codigo = b.codigo WHERE b.clase = 'AGI')
UNION ALL
SELECT b.empresa, b.codigo, b.tiponom, b.ayo, b.periodo, b.clase, 'P', 6, '005', 'FONDO DE AHORRO', 0, f.imp, f.imp
FROM PortalDemoRecibosBase b JOIN (
  SELECT empresa, codigo, ayo, round(2 * sum(importe), 2) AS imp FROM recibos_detalle
  WHERE clase = 'NOR' AND tipo = 'D' AND concepto = 3 GROUP BY empresa, codigo, ayo
) f ON f.empresa = b.empresa AND f.codigo = b.codigo AND f.ayo = b.ayo
WHERE b.clase = 'FDO'
UNION ALL
SELECT empresa, codigo, tiponom, ayo, periodo, clase, 'P', 7, '003', 'PARTICIPACIÓN DE UTILIDADES', max(0, round(sd * 12 - 1628.55, 2)), round(min(sd * 12, 1628.55), 2), round(sd * 12, 2)
FROM PortalDemoRecibosBase WHERE clase = 'OTR';

-- Income tax on what is taxed, by a rate that grows with the daily salary.
INSERT INTO recibos_detalle (empresa, codigo, tiponom, ayo, periodo, clase, tipo, concepto, clave_sat, descripcion, gravado, exento, importe)
SELECT d.empresa, d.codigo, d.tiponom, d.ayo, d.periodo, d.clase, 'D', 2, '002', 'ISR',
  0, 0, round(sum(d.gravado) * CASE WHEN b.sd < 400 THEN 0.06 WHEN b.sd < 800 THEN 0.11 WHEN b.sd < 1500 THEN 0.17 ELSE 0.24 END, 2)
FROM recibos_detalle d JOIN PortalDemoRecibosBase b ON b.empresa = d.empresa AND b.codigo = d.codigo AND b.ayo = d.ayo
  AND b.tiponom = d.tiponom AND b.periodo = d.periodo AND b.clase = d.clase
WHERE d.tipo = 'P' GROUP BY d.empresa, d.codigo, d.tiponom, d.ayo, d.periodo, d.clase HAVING sum(d.gravado) > 0;

INSERT INTO recibos (empresa, codigo, tiponom, ayo, periodo, clase, nomina, dias, sueldo, percepciones, deducciones, isr, imss, neto, uuid)
SELECT b.empresa, b.codigo, b.tiponom, b.ayo, b.periodo, b.clase,
  b.tiponom * 10 + CASE b.clase WHEN 'NOR' THEN 0 WHEN 'AGI' THEN 1 WHEN 'FDO' THEN 2 ELSE 3 END, b.dias,
  round(COALESCE(sum(CASE WHEN d.tipo = 'P' AND d.concepto = 1 THEN d.importe END), 0), 2),
  round(COALESCE(sum(CASE WHEN d.tipo = 'P' THEN d.importe END), 0), 2),
  round(COALESCE(sum(CASE WHEN d.tipo = 'D' THEN d.importe END), 0), 2),
  round(COALESCE(sum(CASE WHEN d.tipo = 'D' AND d.concepto = 2 THEN d.importe END), 0), 2),
  round(COALESCE(sum(CASE WHEN d.tipo = 'D' AND d.concepto = 1 THEN d.importe END), 0), 2),
  round(COALESCE(sum(CASE WHEN d.tipo = 'P' THEN d.importe END), 0) - COALESCE(sum(CASE WHEN d.tipo = 'D' THEN d.importe END), 0), 2),
  lower(hex(randomblob(4)) || '-' || hex(randomblob(2)) || '-4' || substr(hex(randomblob(2)), 2) || '-' ||
        substr('89AB', 1 + abs(random()) % 4, 1) || substr(hex(randomblob(2)), 2) || '-' || hex(randomblob(6)))
FROM PortalDemoRecibosBase b JOIN recibos_detalle d ON d.empresa = b.empresa AND d.codigo = b.codigo AND d.ayo = b.ayo
  AND d.tiponom = b.tiponom AND d.periodo = b.periodo AND d.clase = b.clase
GROUP BY b.empresa, b.codigo, b.tiponom, b.ayo, b.periodo, b.clase
HAVING sum(CASE WHEN d.tipo = 'P' THEN d.importe END) > 0;
DELETE FROM PortalDemoRecibosBase;
GO

-- Training, loans and salary/social-security movements for the reports screen; the first
-- employee of each company has loans of the three kinds.
INSERT INTO cursos (empresa, codigo, fecha, curso, horas, instructor)
SELECT e.empresa, e.codigo, date(e.fchalta, '+' || (30 + n * 200) || ' days'),
  CASE (e.codigo + n) % 5 WHEN 0 THEN 'INDUCCIÓN A LA EMPRESA' WHEN 1 THEN 'SEGURIDAD E HIGIENE EN EL TRABAJO' WHEN 2 THEN 'PRIMEROS AUXILIOS'
    WHEN 3 THEN 'ATENCIÓN AL CLIENTE' ELSE 'MANEJO DE MONTACARGAS' END,
  4 + (e.codigo + n) % 12, CASE n % 2 WHEN 0 THEN 'CAPACITACIÓN INTERNA' ELSE 'CENTRO DE CAPACITACIÓN DEMO' END
FROM empleados e, (SELECT 0 AS n UNION ALL SELECT 1 UNION ALL SELECT 2) x
WHERE date(e.fchalta, '+' || (30 + n * 200) || ' days') <= date('now');

INSERT INTO prestamos (empresa, codigo, clase, folio, fecha, importe, descuento, saldo)
SELECT e.empresa, e.codigo, 'INF', 'INF-' || printf('%010d', e.codigo * 37), date('now', '-2 years'), 185000, CASE l.tiponom WHEN 1 THEN 350 ELSE 750 END, 142350.50
FROM empleados e JOIN llaves l ON l.empresa = e.empresa AND l.codigo = e.codigo WHERE e.codigo % 6 = 0 OR e.codigo % 100000 = 1
UNION ALL
SELECT e.empresa, e.codigo, 'FDA', 'FDA-' || printf('%06d', e.codigo), date('now', '-5 months'), round(e.sueldo_diario * 20, 2), round(e.sueldo_diario * 2, 2), round(e.sueldo_diario * 12, 2)
FROM empleados e WHERE e.codigo % 4 = 1 AND e.empresa IN (1, 2)
UNION ALL
SELECT e.empresa, e.codigo, 'OTR', 'PER-' || printf('%06d', e.codigo), date('now', '-3 months'), 6000, 500, 4500
FROM empleados e WHERE e.codigo % 5 = 2 OR e.codigo % 100000 = 1;

INSERT INTO movimientos (empresa, codigo, clase, fecha, movimiento, sueldo_anterior, sueldo_nuevo)
SELECT empresa, codigo, 'IMSS', fchalta, 'ALTA', 0, round(sueldo_diario * 1.0452, 2) FROM empleados
UNION ALL
SELECT empresa, codigo, 'IMSS', date('now', 'start of year', '+14 days'), 'MODIFICACIÓN DE SALARIO', round(sueldo_diario * 0.95 * 1.0452, 2), round(sueldo_diario * 1.0452, 2)
FROM empleados WHERE fchalta < date('now', 'start of year')
UNION ALL
SELECT empresa, codigo, 'IMSS', fch_baja, 'BAJA', round(sueldo_diario * 1.0452, 2), 0 FROM empleados WHERE fch_baja IS NOT NULL
UNION ALL
SELECT empresa, codigo, 'SUELDO', fchalta, 'SUELDO DE INGRESO', 0, round(sueldo_diario * 0.9, 2) FROM empleados
UNION ALL
SELECT empresa, codigo, 'SUELDO', date('now', 'start of year', '+14 days'), 'INCREMENTO ANUAL', round(sueldo_diario * 0.95, 2), sueldo_diario
FROM empleados WHERE fchalta < date('now', 'start of year');
GO

-- Portal settings per company: vacation display option, workflow switches, mail (a local SMTP
-- server on 127.0.0.1:2525 without authentication), logo, signature and policies.
INSERT INTO PortalEmpleadoConfigVacaciones (empresa, opcion) VALUES (1, 2), (2, 3), (3, 1);
INSERT INTO PortalEmpleadoAdminConfig (empresa, autoriza_supervisor, envia_correo, autoriza_correo, url) VALUES
(1, '0', '1', '0', ''), (2, '1', '0', '0', ''), (3, '0', '0', '0', '');
INSERT INTO PortalEmpleadoConfigMail (empresa, servidor, cuenta, puerto, concopia, usuario, password, autenticacion, tipo_autenticacion,
  nombre, puesto, ssl, tls, mail_rh, fecha_modificacion)
SELECT empresa, '127.0.0.1', 'portal@' || CASE empresa WHEN 1 THEN 'norte' WHEN 2 THEN 'bajio' ELSE 'consultores' END || '.demo.local', '2525', 'No', '', '', 'No',
  'Automatically', '', '', 'No', 'No', CASE empresa WHEN 1 THEN 'rh@norte.demo.local' ELSE '' END, datetime('now', 'localtime')
FROM empresas;
INSERT INTO PORTALEMPLEADOLOGO (idempresa, rutaImagen, rutaFirma) VALUES
(1, 'demo/logo_norte.jpg', 'demo/firma_rh.jpg'), (2, 'demo/logo_bajio.jpg', 'demo/firma_rh.jpg'), (3, '', '');
INSERT INTO PortalEmpleadoPoliticas (empresa, nombre, archivo) VALUES
(1, 'Reglamento Interior de Trabajo', 'demo/reglamento_interior.pdf'),
(1, 'Política de Vacaciones y Permisos', 'demo/politica_vacaciones.pdf'),
(2, 'Reglamento Interior de Trabajo', 'demo/reglamento_interior.pdf'),
-- Policies screen: two or three per company; the code of conduct lies beside the program.
(1, 'Código de Conducta', 'Conducta.pdf'),
(2, 'Código de Conducta', 'Conducta.pdf'),
(3, 'Reglamento Interior de Trabajo', 'demo/reglamento_interior.pdf'),
(3, 'Política de Vacaciones y Permisos', 'demo/politica_vacaciones.pdf');
UPDATE PortalEmpleadoConfig SET emps_todas = 'N';
GO

-- Authorization flows: two approvers for operations, three for administration and loans.
-- Flow 9 crosses companies: employee 200005's vacations go first to employee 2 of company 1.
INSERT INTO PortalEmpleadoFlujo (idflujo, empresa, TipoSol, Nombre) VALUES
(1, 1, 1, 'VACACIONES OPERACIÓN'), (2, 1, 1, 'VACACIONES ADMINISTRACIÓN'), (3, 1, 2, 'PERMISOS GENERAL'), (4, 1, 3, 'PRÉSTAMOS'),
(5, 2, 1, 'VACACIONES PLANTA'), (6, 2, 2, 'PERMISOS PLANTA'), (7, 2, 3, 'PRÉSTAMOS PLANTA'), (8, 3, 1, 'VACACIONES'),
(9, 3, 1, 'VACACIONES DIRECCIÓN CORPORATIVA');
INSERT INTO PortalEmpleadoFlujoAprobador (empresa, TipoSol, idflujo, codigo, orden) VALUES
(1, 1, 1, 3, 1), (1, 1, 1, 1, 2),
(1, 1, 2, 3, 1), (1, 1, 2, 6, 2), (1, 1, 2, 1, 3),
(1, 2, 3, 3, 1), (1, 2, 3, 6, 2),
(1, 3, 4, 6, 1), (1, 3, 4, 2, 2), (1, 3, 4, 1, 3),
(2, 1, 5, 100003, 1), (2, 1, 5, 100001, 2),
(2, 2, 6, 100003, 1),
(2, 3, 7, 100002, 1), (2, 3, 7, 100001, 2),
(3, 1, 8, 200001, 1);
INSERT INTO PortalEmpleadoFlujoAprobador (empresa, TipoSol, idflujo, codigo, orden, empresa_aprobador) VALUES
(3, 1, 9, 2, 1, 1), (3, 1, 9, 200001, 2, NULL);
INSERT INTO PortalEmpleadoFlujoEmpleado (empresa, TipoSol, idflujo, codigo)
SELECT e.empresa, f.TipoSol, f.idflujo, e.codigo FROM empleados e JOIN PortalEmpleadoFlujo f ON f.empresa = e.empresa
WHERE e.fch_baja IS NULL AND (f.idflujo NOT IN (1, 2, 8, 9) OR (f.idflujo = 1 AND e.codigo % 2 = 1) OR (f.idflujo = 2 AND e.codigo % 2 = 0)
  OR (f.idflujo = 8 AND e.codigo <> 200005) OR (f.idflujo = 9 AND e.codigo = 200005));
GO

-- Requests in every state, moved along by the same statements the portal sends.
INSERT INTO PortalEmpleadoSolicitud (empresa, codigo, tiposol, fecha, dias, importe, causa, fecha_real, idflujo, estatus)
SELECT f.empresa, f.codigo, f.TipoSol, date('now', '+' || r.adelanto || ' days'), r.dias, r.importe, r.causa, date('now', '-' || r.antiguedad || ' days'), f.idflujo, 'P'
FROM PortalEmpleadoFlujoEmpleado f JOIN (
  SELECT 1 AS orden, 5 AS codigo, 1 AS tipo, 30 AS adelanto, 3 AS dias, 0 AS importe, 'VIAJE FAMILIAR' AS causa, 2 AS antiguedad
  UNION ALL SELECT 2, 10, 1, 25, 5, 0, 'DESCANSO DE FIN DE AÑO', 3
  UNION ALL SELECT 3, 11, 1, 40, 4, 0, 'BODA DE UN FAMILIAR', 6
  UNION ALL SELECT 4, 18, 1, 15, 6, 0, 'VACACIONES DE VERANO', 20
  UNION ALL SELECT 5, 13, 1, 10, 2, 0, 'ASUNTOS PERSONALES', 9
  UNION ALL SELECT 6, 14, 1, 50, 3, 0, 'PUENTE VACACIONAL', 4
  UNION ALL SELECT 7, 17, 2, 5, 1, 0, 'CITA MÉDICA', 1
  UNION ALL SELECT 8, 9, 3, 0, 0, 15000, 'GASTOS ESCOLARES', 5
  UNION ALL SELECT 9, 100005, 1, 35, 5, 0, 'VACACIONES', 2
  UNION ALL SELECT 10, 200005, 1, 45, 4, 0, 'VIAJE DE NEGOCIOS Y DESCANSO', 3
) r ON r.codigo = f.codigo AND r.tipo = f.TipoSol
ORDER BY r.orden;
UPDATE PortalEmpleadoSolicitudPaso SET estatus = 'AUTORIZADA', fecha = datetime('now', '-1 days')
WHERE orden = 1 AND estatus = 'PENDIENTE' AND idsolicitud IN (SELECT id FROM PortalEmpleadoSolicitud WHERE codigo IN (11, 18, 9) AND empresa = 1);
UPDATE PortalEmpleadoSolicitudPaso SET estatus = 'AUTORIZADA', fecha = datetime('now', 'localtime')
WHERE estatus = 'PENDIENTE' AND idsolicitud IN (SELECT id FROM PortalEmpleadoSolicitud WHERE codigo = 18 AND empresa = 1);
UPDATE PortalEmpleadoSolicitudPaso SET estatus = 'AUTORIZADA', fecha = datetime('now', 'localtime')
WHERE estatus = 'PENDIENTE' AND idsolicitud IN (SELECT id FROM PortalEmpleadoSolicitud WHERE codigo = 18 AND empresa = 1);
UPDATE PortalEmpleadoSolicitudPaso SET estatus = 'RECHAZADA', comentario = 'PERIODO DE INVENTARIO, FAVOR DE REPROGRAMAR', fecha = datetime('now', 'localtime')
WHERE estatus = 'PENDIENTE' AND idsolicitud IN (SELECT id FROM PortalEmpleadoSolicitud WHERE codigo = 13 AND empresa = 1);
UPDATE PortalEmpleadoSolicitudPaso SET estatus = 'RECHAZADA', comentario = 'CANCELADA POR EL USUARIO', fecha = datetime('now', 'localtime')
WHERE estatus = 'PENDIENTE' AND idsolicitud IN (SELECT id FROM PortalEmpleadoSolicitud WHERE codigo = 14 AND empresa = 1);
GO
