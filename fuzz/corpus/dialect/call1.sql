exec peValidaEntrada 1,'
