exec dbo.PortaEmpleado_AgregaEmpleadoFlujo 1,1,9,15
