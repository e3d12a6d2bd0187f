exec dbo.PortaEmpleado_AgregaFlujo 
