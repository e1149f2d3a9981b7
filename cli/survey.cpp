// vudeve-cli survey POSITION: the influence maps of one position, as the
// computer sees them after a single survey of a freshly started game.
#include <string>
#include <vector>

#include "cli/command.h"
#include "engine/influence_text.h"
#include "rules/influence.h"
#include "rules/position_text.h"
#include "rules/setup.h"

namespace vudeve::cli {
namespace {

const char* const Usage = "survey POSITION";

int runSurvey(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << "usage: vudeve-cli " << Usage << "\n";
    return UsageError;
  }
  // The position may come as one argument or split at its blanks.
  std::string text = args[0];
  for (std::size_t i = 1; i < args.size(); ++i) text += " " + args[i];

  Game g;
  初期設定(g);
  std::string error;
  if (!readPositionText(g, text, error)) {
    err << "survey: " << error << "\n";
    return UsageError;
  }
  勢力調査(g);
  printInfluenceMaps(out, g);
  return 0;
}

const CommandRegistration registration({"survey", Usage, runSurvey});

}  // namespace
}  // namespace vudeve::cli
