exec PortalEmpleadoCargaPeriodosDeRecibos 2025,4,1,4242
