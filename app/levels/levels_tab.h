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
// has one row saying so, and one more row names the continuum edge and the
// number of bound states below it, where V levels off on a side.
std::vector<std::string> LevelColumns();
// The rows' sentences in the platform's language, as written without one.
TextRows LevelTexts(const AccurateLevelTable& table, const DialogPlatform* platform = nullptr);
// "4 estados ligados por debajo del continuo en E = 0"; empty without an edge.
std::string ContinuumText(const AccurateLevelTable& table,
                          const DialogPlatform* platform = nullptr);

// The dialog's potential's accurate levels below the search's ceiling (or
// below `ceiling`, if given), with the recorded levels beside them.
AccurateLevelTable DialogLevelTable(const CWaveDlg& dlg, std::span<const SearchLevel> recorded,
                                    std::optional<double> ceiling = std::nullopt);

// What the dialog's table depends on besides the recorded levels: the
// family, its settings or formula, and the ceiling, as one text.
std::string DialogLevelKey(const CWaveDlg& dlg);

// The accurate levels are solved for once a potential: a level the search
// records only joins its row, and going back to one of the last few
// potentials finds its table kept.
class LevelsTab {
  public:
    // The accurate levels, without recorded ones; the key they are kept
    // under; the search's levels.
    using Source = std::function<AccurateLevelTable()>;
    using KeySource = std::function<std::string()>;
    using RecordedSource = std::function<std::span<const SearchLevel>()>;
    LevelsTab(DialogPlatform& platform, Source source, KeySource key, RecordedSource recorded);

    void OnShown(bool shown);
    // The potential or its settings have changed.
    void Stale();
    // Only the recorded levels have.
    void RecordedChanged();
    bool Shown() const { return shown_; }
    // The current potential's accurate levels, computed once and kept.
    const AccurateLevelTable& Accurate();

  private:
    void Refresh();

    static constexpr std::size_t kKept = 8;
    DialogPlatform& platform_;
    Source source_;
    KeySource key_;
    RecordedSource recorded_;
    // The tables kept, the most recently used last.
    std::vector<std::pair<std::string, AccurateLevelTable>> kept_;
    bool current_ = false;  // kept_.back() is the current potential's
    bool shown_ = false;
    bool stale_ = true;
};
