#pragma once

namespace dgr {

// The program's entry, on whatever backend the Application holds: creates the diagram window,
// then the comment window, and runs until the diagram window closes. An exception that escapes
// is shown in the error box. Always gives 0.
int RunDiagramViewer();

}  // namespace dgr
