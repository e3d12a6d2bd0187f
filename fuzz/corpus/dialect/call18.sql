exec dbo.PortaEmpleado_Flujos 
