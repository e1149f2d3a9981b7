// The one shared game state. Every procedure of the game is a free function
// over a Game; the fields keep the names the rest of the team uses when
// talking about the game, so a reader can match code and discussion 1:1.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/ports.h"
#include "rules/board_view.h"

namespace vudeve {

// Rule-test results. Every yes/no test answers one of these and callers
// compare against them, never treat them as bool.
inline constexpr int TrueValue = 1;
inline constexpr int FalseValue = 0;

inline constexpr int Empty = 0;
inline constexpr int BoardSize = 9;
inline constexpr int LeftButton = 1;
inline constexpr int RightButton = 2;
inline constexpr int ModeHuman = 0;
inline constexpr int ModeCom = 1;

// Side tokens.
inline constexpr int SenteSide = 1;
inline constexpr int GoteSide = -1;
inline constexpr int NoSide = 0;

// Piece codes: COM (top) positive, MAN (bottom) negative; |code| is the
// material value; a promoted piece is code + 1 (COM) or code - 1 (MAN).
inline constexpr int ComPawn = 10;
inline constexpr int ComTokin = 11;
inline constexpr int ComLance = 20;
inline constexpr int ComPromLance = 21;
inline constexpr int ComKnight = 30;
inline constexpr int ComPromKnight = 31;
inline constexpr int ComSilver = 100;
inline constexpr int ComPromSilver = 101;
inline constexpr int ComGold = 110;
inline constexpr int ComBishop = 800;
inline constexpr int ComHorse = 801;
inline constexpr int ComRook = 900;
inline constexpr int ComDragon = 901;
inline constexpr int ComKing = 950;
inline constexpr int ManPawn = -10;
inline constexpr int ManTokin = -11;
inline constexpr int ManLance = -20;
inline constexpr int ManPromLance = -21;
inline constexpr int ManKnight = -30;
inline constexpr int ManPromKnight = -31;
inline constexpr int ManSilver = -100;
inline constexpr int ManPromSilver = -101;
inline constexpr int ManGold = -110;
inline constexpr int ManBishop = -800;
inline constexpr int ManHorse = -801;
inline constexpr int ManRook = -900;
inline constexpr int ManDragon = -901;
inline constexpr int ManKing = -950;

// Picture codes besides the piece codes (0 is the empty square).
inline constexpr int TitleCode = 1;
inline constexpr int MidoriCode = 2;
inline constexpr int TatamiCode = 3;
inline constexpr int TakeCode = 4;
inline constexpr int UchuCode = 5;
inline constexpr int RengaCode = 6;

// QBColor palette indices.
inline constexpr int TextColor = 15;
inline constexpr int ShadowColor = 0;
inline constexpr int LabelColor = 14;
inline constexpr int SelectColor = 12;
inline constexpr int BackColorIndex = 2;
inline constexpr int GridColor = 2;
inline constexpr int MoveTextColor = 15;

// Board geometry in twips: cell (x, y) starts at
// (BoardLeft + x * CellWidth, BoardTop + y * CellHeight).
inline constexpr int BoardLeft = 1050;
inline constexpr int BoardTop = 100;
inline constexpr int CellWidth = 495;
inline constexpr int CellHeight = 615;

// Unpromoted piece codes by hand index 1..7 (pawn .. rook).
inline constexpr std::array<int, 8> ComHandPiece = {0, ComPawn, ComLance, ComKnight, ComSilver, ComGold, ComBishop, ComRook};
inline constexpr std::array<int, 8> ManHandPiece = {0, ManPawn, ManLance, ManKnight, ManSilver, ManGold, ManBishop, ManRook};

// The hand stands as cells a move starts from: MAN's is column 11 with hand
// index i on row i + 2, COM's column -1 with index i on row i. A move from
// either column is a drop.
inline constexpr int ManHandColumn = 11;
inline constexpr int ComHandColumn = -1;
constexpr bool isHandColumn(int x) { return x == ManHandColumn || x == ComHandColumn; }
// The cell of hand index i in the stand of MAN (man) or COM, and back.
constexpr int handColumn(bool man) { return man ? ManHandColumn : ComHandColumn; }
constexpr int handRow(bool man, int index) { return man ? index + 2 : index; }
constexpr int handIndexOfCell(int x, int y) { return x == ManHandColumn ? y - 2 : y; }

// A 10x10 map indexed [x][y]; row 0 and column 0 exist but are never written.
using BoardMap = std::array<std::array<int, 10>, 10>;
using HandArray = std::array<int, 8>;

// Initial capacity of the record; it grows past this when a game needs it.
inline constexpr int RecordCapacity = 501;

struct Game {
  Game() = default;
  // The platform pointers may point into the game itself: no copies.
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // --- Platform (null implementations until a front end plugs in real ones) ---
  NullClock OwnClock;
  NullTimer OwnTimer;
  NullMenu OwnMenu;
  Surface* Screen = &NullPlatform::surface();
  MessageBoxes* Messages = &NullPlatform::messages();
  Clock* Time = &OwnClock;
  WindowTimer* Timer1 = &OwnTimer;
  Menu* Menus = &OwnMenu;
  SoundLibrary* Sound = &NullPlatform::sound();
  RecordPanel* Panel = &NullPlatform::panel();
  MainWindow* Window = &NullPlatform::window();
  Clipboard* Clip = &NullPlatform::clipboard();
  BackgroundWork* Background = &NullPlatform::background();
  // Whoever shows the game plugs in its view with its Screen.
  BoardView* View = &NoBoardView::instance();

  // --- Board, hands, kings ---
  BoardMap Board{};
  HandArray ManHand{};
  HandArray ComHand{};
  int ManHandTotal = 0;
  int ComHandTotal = 0;
  int ManKingX = 0, ManKingY = 0;
  int ComKingX = 0, ComKingY = 0;
  std::array<int, 10> ManPawnFiles{};
  std::array<int, 10> ComPawnFiles{};

  // --- Sides, turn, result, mode ---
  int ManSide = GoteSide;
  int ComSide = SenteSide;
  int Turn = NoSide;
  int Winner = NoSide;
  int GameMode = ModeHuman;
  int Level = 3;

  // Move being entered or played: [3] fromX, [4] fromY, [5] toX, [6] toY,
  // [8] piece code, [9] MustCapture flag. The computer's best score is a
  // real number, so it is kept in BestScore rather than in element 0.
  std::array<int, 10> MoveRec{};
  double BestScore = 0;

  // --- Game flags ---
  int SelectState = 0;
  int PromotedCode = 0;
  BoardMap CapturerFlags{};
  int ResumePending = FalseValue;
  int RecordMode = FalseValue;
  int Reversed = FalseValue;
  int HandicapGrade = 0;
  int HandicapSet = FalseValue;
  int MoveCount = 0;
  int MoveNumber = 0;
  int LastMoveNumber = 0;

  // --- Clocks (seconds, real) ---
  double ManSeconds = 0;
  double ComSeconds = 0;
  double TurnSeconds = 0;
  double TurnStartTime = 0;
  double ShownSecond = 0;
  // When the game on the board began (not known for a record read from a
  // ".棋譜" file), for the records of the wider shogi world.
  CalendarTime GameStartTime{};

  // --- Check, escape and mate tests ---
  BoardMap ManKingEscapes{};

  // --- Influence maps, rebuilt by 勢力調査 ---
  BoardMap ManInfluence{};
  BoardMap ComInfluence{};
  BoardMap ManGuardCode{};
  BoardMap ComGuardCode{};
  BoardMap ComGuardX{};  // never reset by the survey
  BoardMap ComGuardY{};  // never reset by the survey
  BoardMap ManAttackerCode{};
  BoardMap ManAttackerX{};
  BoardMap ManAttackerY{};
  BoardMap ComAttackerCode{};
  BoardMap ComAttackerX{};  // never reset by the survey
  BoardMap ComAttackerY{};  // never reset by the survey
  BoardMap ComKingChecks{};
  BoardMap ManKingChecks{};

  // --- Evaluation probes, rebuilt once per computer turn ---
  BoardMap ManPinned{};
  int AnyComPinned = FalseValue;
  BoardMap ManBishopCheckSquares{};

  // --- Computer turn: turn-start copies and per-candidate values ---
  BoardMap BoardBackup{};
  HandArray ManHandBackup{};
  HandArray ComHandBackup{};
  BoardMap SavedManInfluence{};
  BoardMap SavedComInfluence{};
  BoardMap SavedComAttackerX{};
  BoardMap SavedComAttackerY{};
  int ComHandTotalAtStart = 0;
  int EscapeCountAtStart = 0;
  int CandidatePiece = 0;
  int ApproachDistance = 0;
  int MustCapture = FalseValue;
  // The deep search of the strong levels is choosing the computer's move in
  // the background; the game waits for its answer and refuses every change
  // meanwhile.
  bool ComThinking = false;

  // --- Record: one snapshot per move, indexed by record index k ---
  std::vector<BoardMap> RecordBoard = std::vector<BoardMap>(RecordCapacity);
  std::vector<HandArray> RecordManHand = std::vector<HandArray>(RecordCapacity);
  std::vector<HandArray> RecordComHand = std::vector<HandArray>(RecordCapacity);
  std::vector<double> RecordManTimeBefore = std::vector<double>(RecordCapacity);
  std::vector<double> RecordManTimeAfter = std::vector<double>(RecordCapacity);
  std::vector<double> RecordComTimeBefore = std::vector<double>(RecordCapacity);
  std::vector<double> RecordComTimeAfter = std::vector<double>(RecordCapacity);
  // How a record read from a file ended, so that it is written again the
  // same way: the word that ended it (投了, 千日手, …; "" when the file
  // names none) and the winner as a side token (NoSide when none is known).
  // A move played cuts the record and with it this ending: a game played
  // here ends by Winner alone.
  std::string RecordEndWord;
  int RecordWinner = NoSide;

  // --- Presentation settings ---
  int BackgroundCode = 0;
  int GuidanceOn = FalseValue;
  int GuideColor = 2;
  // Folder of the settings file "vudeve.ini": the folder the game is
  // started from.
  std::string SettingsFolder = ".";

  // --- Sound: the library handle and four buffer handles (0 = no sound) ---
  SoundHandle SoundLibraryHandle = 0;
  SoundHandle OtherSound = 0;
  SoundHandle ForbiddenSound = 0;
  SoundHandle PieceSound = 0;
  SoundHandle BgmSound = 0;
};

}  // namespace vudeve
