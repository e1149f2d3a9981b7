// The position-text reader over arbitrary bytes. Text it refuses must leave
// the game as it was; text it takes must write back to text that reads as
// the same position; and the computer must be able to move from whatever
// position it takes, as `vudeve-cli think` does.
#include <string>
#include <string_view>

#include "engine/com_turn.h"
#include "engine/tool_game.h"
#include "fuzz/fuzz_support.h"
#include "rules/invariants.h"
#include "rules/position_text.h"

namespace {

using namespace vudeve;

bool samePosition(const Game& a, const Game& b) {
  return a.Board == b.Board && a.ManHand == b.ManHand && a.ComHand == b.ComHand && a.Turn == b.Turn &&
         a.ManHandTotal == b.ManHandTotal && a.ComHandTotal == b.ComHandTotal;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  auto game = makeToolGame(3);
  auto untouched = makeToolGame(3);
  std::string error;
  if (!readPositionText(*game, text, error)) {
    if (error.empty()) fuzzing::fail("a refusal without a reason");
    if (!samePosition(*game, *untouched)) fuzzing::fail("refused text changed the game");
    return 0;
  }
  if (std::string wrong = checkSquares(*game); !wrong.empty()) fuzzing::fail(wrong);

  const std::string written = writePositionText(*game);
  auto again = makeToolGame(3);
  if (!readPositionText(*again, written, error)) fuzzing::fail("written text '" + written + "' is refused: " + error);
  if (!samePosition(*game, *again)) fuzzing::fail("written text '" + written + "' reads as another position");
  if (writePositionText(*again) != written) fuzzing::fail("writing '" + written + "' again gives other text");

  // The computer's turn on the position, at a level the input chooses.
  auto computer = makeToolGame(1 + static_cast<int>(size % 3));
  if (!loadPositionForComputer(*computer, text, error)) fuzzing::fail("the tool refuses what the reader took");
  com_ban(*computer);
  if (std::string wrong = checkSquares(*computer); !wrong.empty()) fuzzing::fail("after the computer's move: " + wrong);
  return 0;
}
