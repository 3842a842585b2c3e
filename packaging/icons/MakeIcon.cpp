// Writes the program's icon at one size as a PNG file, for the desktop's icon theme:
//   dgrview-icon SIZE FILE
#include <cstdlib>
#include <iostream>
#include <string>

#include "Resample.h"
#include "platform/graphics/PngFile.h"

int main(int argc, char** argv) {
  const int size = argc == 3 ? std::atoi(argv[1]) : 0;
  if (size <= 0 || size > 1024) {
    std::cerr << "usage: dgrview-icon SIZE FILE (SIZE from 1 to 1024)\n";
    return 2;
  }
  if (!platform::graphics::WritePng(argv[2], dgr::ProgramIcon(size))) {
    std::cerr << "dgrview-icon: cannot write " << argv[2] << '\n';
    return 1;
  }
  return 0;
}
