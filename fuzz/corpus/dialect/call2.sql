exec peValidaPasswordNulo @codigo=
