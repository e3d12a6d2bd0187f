#include "app/Startup.h"
#include "check/TerminalCheck.h"
#include "screens/login/TRegistro.h"
#include "toolkit/TForm.h"

int main(int argc, char** argv) {
  if (TerminalCheck::Requested(argc, argv)) return TerminalCheck::Main(argc, argv);
  return PortalMain(argc, argv, [] { return TForm::New<TRegistro>(); });
}
