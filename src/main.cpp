#include "app/Startup.h"
#include "screens/login/TRegistro.h"
#include "toolkit/TForm.h"

int main(int argc, char** argv) {
  return PortalMain(argc, argv, [] { return TForm::New<TRegistro>(); });
}
