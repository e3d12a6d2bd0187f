exec peInformacionGeneral 
