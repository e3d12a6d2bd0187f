-- Payroll database of the embedded demo: tables and indexes.
-- Safe to run again: every table is created only when missing.

CREATE TABLE IF NOT EXISTS PortalDemoTamano (
  id INTEGER PRIMARY KEY CHECK (id = 1),
  empleados INTEGER NOT NULL,   -- employees over all companies
  anios INTEGER NOT NULL        -- years of payroll history
);
INSERT OR IGNORE INTO PortalDemoTamano (id, empleados, anios) VALUES (1, 50, 3);
GO

CREATE TABLE IF NOT EXISTS empresas (
  empresa INTEGER PRIMARY KEY,
  nombre_empresa TEXT NOT NULL,
  rfc_empresa TEXT NOT NULL,
  registro_patronal TEXT NOT NULL,
  direccion TEXT,
  entidad TEXT,
  codpostal TEXT,
  regimen_fiscal TEXT
);
CREATE TABLE IF NOT EXISTS rhestados (idestados INTEGER PRIMARY KEY, edtado TEXT NOT NULL, clave TEXT);
CREATE TABLE IF NOT EXISTS bancos (banco INTEGER PRIMARY KEY, nombre TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS nominas (
  empresa INTEGER NOT NULL, tiponom INTEGER NOT NULL, nomina TEXT NOT NULL,
  PRIMARY KEY (empresa, tiponom)
);
CREATE TABLE IF NOT EXISTS centros (
  empresa INTEGER NOT NULL, centro INTEGER NOT NULL, nomdepto TEXT NOT NULL,
  PRIMARY KEY (empresa, centro)
);
CREATE TABLE IF NOT EXISTS tabulador (
  empresa INTEGER NOT NULL, ocupacion INTEGER NOT NULL, actividad TEXT NOT NULL, sueldo_diario NUMERIC,
  PRIMARY KEY (empresa, ocupacion)
);
CREATE TABLE IF NOT EXISTS horarios_catalogo (
  empresa INTEGER NOT NULL, horario INTEGER NOT NULL, nombre TEXT NOT NULL,
  PRIMARY KEY (empresa, horario)
);
GO

-- Profiles: a profile grants (funcion, opcion) pairs and may hide salary figures.
CREATE TABLE IF NOT EXISTS PortalPerfiles (
  perfil INTEGER PRIMARY KEY, nombre TEXT NOT NULL, ver_sueldo TEXT NOT NULL DEFAULT 'S'
);
CREATE TABLE IF NOT EXISTS PortalPerfilPermisos (
  perfil INTEGER NOT NULL, funcion TEXT NOT NULL, opcion TEXT NOT NULL,
  PRIMARY KEY (perfil, funcion, opcion)
);
GO

CREATE TABLE IF NOT EXISTS empleados (
  empresa INTEGER NOT NULL,
  codigo INTEGER NOT NULL,
  nombre TEXT NOT NULL, ap_paterno TEXT NOT NULL, ap_materno TEXT,
  rfcalfa TEXT, rfcnum TEXT, rfchomo TEXT, rfc TEXT,
  curp TEXT, afiliacion TEXT, digvera TEXT,
  tiposal TEXT DEFAULT '0', tipo_emp TEXT DEFAULT '1',
  fchalta DATE, fchantigua DATE, fchnac DATE, edonac TEXT, fch_baja DATE,
  cta_bco_no TEXT,
  mail TEXT,
  password TEXT,             -- scrambled; NULL until the employee sets one
  perfil INTEGER,
  sueldo_diario NUMERIC,
  supervisor INTEGER,        -- employee number of the supervisor, same company
  PRIMARY KEY (empresa, codigo)
);
CREATE INDEX IF NOT EXISTS ix_empleados_codigo ON empleados (codigo);
CREATE INDEX IF NOT EXISTS ix_empleados_rfc ON empleados (rfc);
CREATE TABLE IF NOT EXISTS llaves (
  empresa INTEGER NOT NULL, codigo INTEGER NOT NULL,
  centro INTEGER, ocupacion INTEGER, banco INTEGER, horario INTEGER, tiponom INTEGER,
  PRIMARY KEY (empresa, codigo)
);
CREATE TABLE IF NOT EXISTS datosemps (
  empresa INTEGER NOT NULL, codigo INTEGER NOT NULL,
  domicilio TEXT, colonia TEXT, poblacion TEXT, municipio TEXT, localidad TEXT,
  codpostal TEXT, telefono TEXT, email TEXT, umf TEXT, nacional TEXT, edocivil TEXT,
  PRIMARY KEY (empresa, codigo)
);
CREATE TABLE IF NOT EXISTS rhcatalogo (
  idcatalogo INTEGER PRIMARY KEY, empresa INTEGER NOT NULL, codigo INTEGER NOT NULL
);
CREATE UNIQUE INDEX IF NOT EXISTS ix_rhcatalogo_emp ON rhcatalogo (empresa, codigo);
CREATE TABLE IF NOT EXISTS rhfamiliar (
  id_familia INTEGER PRIMARY KEY, nombre TEXT, Idcatalogo INTEGER NOT NULL,
  idparentesco INTEGER NOT NULL, fch_nac DATE
);
CREATE INDEX IF NOT EXISTS ix_rhfamiliar_cat ON rhfamiliar (Idcatalogo, idparentesco);
CREATE TABLE IF NOT EXISTS usuarios (
  usuario TEXT PRIMARY KEY COLLATE NOCASE,
  password TEXT NOT NULL
);
GO

-- Payroll: periods, receipts, their concepts and electronic-invoice identity.
CREATE TABLE IF NOT EXISTS periodos (
  empresa INTEGER NOT NULL, tiponom INTEGER NOT NULL, ayo INTEGER NOT NULL, periodo INTEGER NOT NULL,
  clase TEXT NOT NULL,        -- NOR ordinary, AGI year-end bonus, FDO savings fund, OTR other
  fch_inicio DATE NOT NULL, fch_cierre DATE NOT NULL, fch_pago DATE NOT NULL,
  dias INTEGER NOT NULL, cerrado TEXT NOT NULL DEFAULT 'S',
  PRIMARY KEY (empresa, tiponom, ayo, periodo, clase)
);
CREATE TABLE IF NOT EXISTS recibos (
  empresa INTEGER NOT NULL, codigo INTEGER NOT NULL,
  tiponom INTEGER NOT NULL, ayo INTEGER NOT NULL, periodo INTEGER NOT NULL, clase TEXT NOT NULL,
  nomina INTEGER NOT NULL,    -- payroll code: type * 10 + kind (0 NOR, 1 AGI, 2 FDO, 3 OTR)
  dias NUMERIC NOT NULL,
  sueldo NUMERIC NOT NULL, percepciones NUMERIC NOT NULL, deducciones NUMERIC NOT NULL,
  isr NUMERIC NOT NULL, imss NUMERIC NOT NULL, neto NUMERIC NOT NULL,
  uuid TEXT NOT NULL,
  PRIMARY KEY (empresa, codigo, ayo, tiponom, periodo, clase)
);
CREATE INDEX IF NOT EXISTS ix_recibos_codigo ON recibos (codigo, ayo, tiponom, periodo);
CREATE TABLE IF NOT EXISTS recibos_detalle (
  empresa INTEGER NOT NULL, codigo INTEGER NOT NULL,
  tiponom INTEGER NOT NULL, ayo INTEGER NOT NULL, periodo INTEGER NOT NULL, clase TEXT NOT NULL,
  tipo TEXT NOT NULL,         -- P earning, D deduction
  concepto INTEGER NOT NULL, clave_sat TEXT NOT NULL, descripcion TEXT NOT NULL,
  gravado NUMERIC NOT NULL, exento NUMERIC NOT NULL, importe NUMERIC NOT NULL,
  PRIMARY KEY (empresa, codigo, ayo, tiponom, periodo, clase, tipo, concepto)
);
GO

-- Time and absence.
CREATE TABLE IF NOT EXISTS vacaciones (
  empresa INTEGER NOT NULL, codigo INTEGER NOT NULL, fecha_disfrute DATE NOT NULL,
  aniversario INTEGER NOT NULL, dias_tabulados NUMERIC NOT NULL, dias_disfrutados NUMERIC NOT NULL,
  prima_pct NUMERIC NOT NULL, prima_importe NUMERIC NOT NULL, prima_dias NUMERIC NOT NULL,
  descansos INTEGER NOT NULL DEFAULT 0, festivos INTEGER NOT NULL DEFAULT 0,
  programada TEXT NOT NULL DEFAULT 'N',
  PRIMARY KEY (empresa, codigo, fecha_disfrute)
);
CREATE TABLE IF NOT EXISTS ausentismos (
  empresa INTEGER NOT NULL, codigo INTEGER NOT NULL, fecha DATE NOT NULL,
  dias NUMERIC NOT NULL, concepto TEXT NOT NULL, descripcion TEXT NOT NULL, justificar TEXT NOT NULL,
  PRIMARY KEY (empresa, codigo, fecha, concepto)
);
CREATE TABLE IF NOT EXISTS tiempo_extra (
  empresa INTEGER NOT NULL, codigo INTEGER NOT NULL, fecha DATE NOT NULL, periodo INTEGER NOT NULL,
  concepto TEXT NOT NULL, descripcion TEXT NOT NULL, horas NUMERIC NOT NULL,
  PRIMARY KEY (empresa, codigo, fecha, concepto)
);
CREATE TABLE IF NOT EXISTS cursos (
  empresa INTEGER NOT NULL, codigo INTEGER NOT NULL, fecha DATE NOT NULL, curso TEXT NOT NULL,
  horas INTEGER NOT NULL, instructor TEXT
);
CREATE TABLE IF NOT EXISTS prestamos (
  empresa INTEGER NOT NULL, codigo INTEGER NOT NULL, clase TEXT NOT NULL,  -- INF, FDA, OTR
  folio TEXT NOT NULL, fecha DATE NOT NULL, importe NUMERIC NOT NULL, descuento NUMERIC NOT NULL,
  saldo NUMERIC NOT NULL
);
CREATE TABLE IF NOT EXISTS movimientos (
  empresa INTEGER NOT NULL, codigo INTEGER NOT NULL, clase TEXT NOT NULL,  -- IMSS, SUELDO
  fecha DATE NOT NULL, movimiento TEXT NOT NULL, sueldo_anterior NUMERIC, sueldo_nuevo NUMERIC
);
CREATE INDEX IF NOT EXISTS ix_cursos ON cursos (empresa, codigo);
CREATE INDEX IF NOT EXISTS ix_prestamos ON prestamos (empresa, codigo, clase);
CREATE INDEX IF NOT EXISTS ix_movimientos ON movimientos (empresa, codigo, clase);
GO

-- The portal's own settings.
CREATE TABLE IF NOT EXISTS PORTALEMPLEADOLOGO (
  idempresa INTEGER PRIMARY KEY, rutaImagen TEXT, rutaFirma TEXT
);
CREATE TABLE IF NOT EXISTS PortalEmpleadoConfig (emps_todas TEXT NOT NULL DEFAULT 'N');
INSERT INTO PortalEmpleadoConfig (emps_todas) SELECT 'N' WHERE NOT EXISTS (SELECT 1 FROM PortalEmpleadoConfig);
CREATE TABLE IF NOT EXISTS PortalEmpleadoConsolidar (
  empresa INTEGER NOT NULL, codigo INTEGER NOT NULL, PRIMARY KEY (empresa, codigo)
);
CREATE TABLE IF NOT EXISTS PortalEmpleadoConfigMail (
  id INTEGER PRIMARY KEY, empresa INTEGER NOT NULL UNIQUE,
  servidor TEXT, cuenta TEXT, puerto TEXT, concopia TEXT, usuario TEXT, password TEXT,
  autenticacion TEXT, tipo_autenticacion TEXT, nombre TEXT, puesto TEXT, ssl TEXT, tls TEXT,
  mail_rh TEXT, fecha_modificacion DATETIME
);
CREATE TABLE IF NOT EXISTS PortalEmpleadoConfigVacaciones (empresa INTEGER PRIMARY KEY, opcion INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS PortalEmpleadoAdminConfig (
  empresa INTEGER PRIMARY KEY, autoriza_supervisor TEXT NOT NULL DEFAULT '0',
  envia_correo TEXT NOT NULL DEFAULT '0', autoriza_correo TEXT NOT NULL DEFAULT '0', url TEXT DEFAULT ''
);
CREATE TABLE IF NOT EXISTS PortalEmpresasSeleccionadas (
  llave INTEGER NOT NULL, empresa INTEGER NOT NULL, PRIMARY KEY (llave, empresa)
);
CREATE TABLE IF NOT EXISTS PortalEmpleadoPoliticas (
  id INTEGER PRIMARY KEY, empresa INTEGER NOT NULL, nombre TEXT NOT NULL, archivo TEXT NOT NULL
);
CREATE INDEX IF NOT EXISTS ix_politicas ON PortalEmpleadoPoliticas (empresa);
GO

-- Authorization flows and requests.
CREATE TABLE IF NOT EXISTS PortalEmpleadoFlujo (
  idflujo INTEGER PRIMARY KEY, empresa INTEGER NOT NULL, TipoSol INTEGER NOT NULL, Nombre TEXT NOT NULL
);
-- An approver belongs to the flow's company unless empresa_aprobador names another one.
CREATE TABLE IF NOT EXISTS PortalEmpleadoFlujoAprobador (
  empresa INTEGER NOT NULL, TipoSol INTEGER NOT NULL, idflujo INTEGER NOT NULL,
  codigo INTEGER NOT NULL, orden INTEGER NOT NULL, empresa_aprobador INTEGER,
  PRIMARY KEY (idflujo, codigo)
);
CREATE TABLE IF NOT EXISTS PortalEmpleadoFlujoEmpleado (
  empresa INTEGER NOT NULL, TipoSol INTEGER NOT NULL, idflujo INTEGER NOT NULL, codigo INTEGER NOT NULL,
  PRIMARY KEY (empresa, TipoSol, codigo)
);
CREATE TABLE IF NOT EXISTS PortalEmpleadoSolicitud (
  id INTEGER PRIMARY KEY, empresa INTEGER NOT NULL, codigo INTEGER NOT NULL, tiposol INTEGER NOT NULL,
  fecha DATE NOT NULL, dias NUMERIC NOT NULL DEFAULT 0, importe NUMERIC NOT NULL DEFAULT 0,
  causa TEXT, fecha_real DATE, idflujo INTEGER,
  estatus TEXT NOT NULL DEFAULT 'P'   -- P in progress, A authorised, R rejected or cancelled
);
CREATE INDEX IF NOT EXISTS ix_solicitud_emp ON PortalEmpleadoSolicitud (empresa, codigo, tiposol, estatus);
CREATE TABLE IF NOT EXISTS PortalEmpleadoSolicitudPaso (
  idsolicitud INTEGER NOT NULL, orden INTEGER NOT NULL, aprobador INTEGER NOT NULL,
  estatus TEXT NOT NULL DEFAULT '',   -- '' waiting, PENDIENTE, AUTORIZADA, RECHAZADA
  comentario TEXT NOT NULL DEFAULT '', fecha DATETIME,
  empresa_aprobador INTEGER,          -- the approver's company when not the request's
  PRIMARY KEY (idsolicitud, orden)
);
CREATE INDEX IF NOT EXISTS ix_paso_aprobador ON PortalEmpleadoSolicitudPaso (aprobador, estatus);
GO
