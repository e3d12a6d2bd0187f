exec dbo.Fun_P_Catalogos  @nEmpresa=
