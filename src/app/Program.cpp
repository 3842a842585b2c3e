#include "app/Program.h"

#include "Comment/CForm.h"
#include "app/MForm.h"

namespace dgr {

using platform::forms::Application;
using platform::forms::Exception;

int RunDiagramViewer() {
  try {
    Application->Initialize();
    Application->CreateForm(MForm);
    Application->CreateForm(CForm);
    Application->Run();
  } catch (const Exception& e) {
    Application->ShowException(e);
  } catch (...) {
    Application->ShowException(Exception(""));
  }
  return 0;
}

}  // namespace dgr
