exec pePortalPatronObtenDetalleRecibosFunU @nomina=40, @año=2025, @periodo=3, @codigo=
