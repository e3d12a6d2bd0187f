exec  PortalEmpleadoCargaListadoDeRecibos 4,2025,1,99,'AGI','','',4242,1,'110001','       1'
