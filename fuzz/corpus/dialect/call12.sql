exec existeReciboCFDI 1,
