exec  PortalEmpleadoCargaListadoDeRecibos 4,2025,1,24,'','','',4242,1,'110001','       1'
