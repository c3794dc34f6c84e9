// The "Niveles" tab: the potential's levels as a table of texts, which the
// window shows over the plot area while the tab is selected. The rows are
// computed when the tab is shown and again whenever what they depend on
// (the potential, its settings, the recorded levels) has changed meanwhile.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "accurate_levels.h"

class CWaveDlg;
class DialogPlatform;

using TextRows = std::vector<std::vector<std::string>>;

// The column captions and one row of texts a level; a table without levels
// has one row saying so.
std::vector<std::string> LevelColumns();
TextRows LevelTexts(const AccurateLevelTable& table);

// The dialog's potential's accurate levels below the search's ceiling (or
// below `ceiling`, if given), with the recorded levels beside them.
AccurateLevelTable DialogLevelTable(const CWaveDlg& dlg, std::span<const SearchLevel> recorded,
                                    std::optional<double> ceiling = std::nullopt);

class LevelsTab {
  public:
    using Source = std::function<AccurateLevelTable()>;
    LevelsTab(DialogPlatform& platform, Source source);

    void OnShown(bool shown);
    // What the rows depend on has changed.
    void Stale();
    bool Shown() const { return shown_; }

  private:
    void Refresh();

    DialogPlatform& platform_;
    Source source_;
    bool shown_ = false;
    bool stale_ = true;
};
