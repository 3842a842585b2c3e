#pragma once

#include <optional>
#include <string>

#include "diagram_file/DiagramFile.h"

namespace dgr {

// The texts a load puts into the read-outs of the diagram window, named after the controls.
struct ReadoutTexts {
  std::string stFLvl;
  // Shown with this text when the fuel level and the correction are both non-zero; nullopt when
  // the read-out is hidden, its text then left as it was.
  std::optional<std::string> stRFLvl;
  std::string stFnd;  // "" when the header has no correction
  std::string stWLvl;
  std::string stCFsn;
  std::string stFADif;
  std::string stAFnd;
  std::string stWsn;
  std::string stFtg;
  std::string stShum;
  std::string stRng;
  std::string stFadd;
  std::string stDelta;
  std::string stSegNum;
  std::string stSAdr;   // "" when the header has no sensor number
  std::string stDTime;  // "" when the header has no record time
  std::string stVer;    // always ""
};

ReadoutTexts MakeReadoutTexts(const DiagramFile& file);

// Caption of the diagram window while a load is under way, and after it.
inline constexpr const char* DiagramCaptionBase = "ДИАГРАММА ДАТЧИКА";
std::string DiagramCaption(const std::string& path);

// The pattern of the record time read-out.
inline constexpr const char* RecordTimePattern = "dd.mm.yy  hh:nn:ss";

}  // namespace dgr
