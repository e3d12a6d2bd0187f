exec ModificaPortalMarcasRecibos 1,1,'40','3','2025','PDF'
