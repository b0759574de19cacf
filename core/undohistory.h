#pragma once

#include "core/curve.h"
#include "core/view.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The drawing window's curve slots and counters as the undo history changes
// them; the window hands in references to its own members.
struct TCurveTableRef {
    std::array<std::unique_ptr<TCurve>, MaxCurves>& Curves;
    int& CurrentCurve;
    std::uint32_t& PointCount;
    int& DrawMode;
};

// Every change the user made to the curves and to the view, in order, so that
// each can be taken back (Undo) and done again (Redo). A step names itself as
// the Edit menu shows it ("Add Point").
//
// Points are never copied: a step keeps, per slot it touched, which curve was
// there and how many points it held, plus the last point so one point added
// or deleted can be put back. A curve that leaves its slot (File New, the
// curves of a data file being undone) moves into the step, still whole, and
// moves back on redo; so undoing a file read of a million points moves a few
// pointers. Curves parked in steps that can no longer be reached (the redo
// branch after a new change) are freed then.
//
// The history also remembers where the curves were last saved: undoing back
// to that place counts as saved again.
class TUndoHistory {
  public:
    TUndoHistory();
    ~TUndoHistory();
    TUndoHistory(const TUndoHistory&) = delete;
    TUndoHistory& operator=(const TUndoHistory&) = delete;

    // A change of the curves is recorded between BeginStep and EndStep. In
    // between, every curve taken out of its slot goes through Discard, which
    // keeps it for Undo. clearsSaved: the change makes the curves differ from
    // the file last saved (points added or read). A step that changed
    // nothing is dropped. Steps begun inside a step are part of it (File New
    // ends the drawing of a curve first, for instance).
    void BeginStep(std::string name, const TCurveTableRef& table);
    void Discard(std::unique_ptr<TCurve>& slot);
    void EndStep(const TCurveTableRef& table, bool clearsSaved);

    // A change of the view alone (scale, zoom, stretch); the same view again
    // is no step.
    void RecordView(std::string name, const TView& before, const TView& after);

    bool CanUndo() const { return Done > 0; }
    bool CanRedo() const { return Done < Steps.size(); }
    // Names of the steps Undo and Redo would take; empty when there is none.
    std::string UndoName() const;
    std::string RedoName() const;

    // Puts the curves as they were before the last step (after the next one,
    // for Redo). Answers the view to show when the step changed the view.
    std::optional<TView> Undo(const TCurveTableRef& table);
    std::optional<TView> Redo(const TCurveTableRef& table);

    // The curves were just saved: this place in the history is the saved one.
    void MarkSaved();
    // True when the curves are as last saved: only steps that left the saved
    // state alone lie between here and the saved place.
    bool IsAtSavedState() const;

  private:
    // What one slot held: the curve (null for an empty slot) and its count.
    struct TSlotState {
        TCurve* Curve = nullptr;
        std::uint32_t Count = 0;
        TCurvePoint Last;
    };
    struct TTableState {
        int CurrentCurve = -1;
        std::uint32_t PointCount = 0;
        int DrawMode = 0;
        friend bool operator==(const TTableState&, const TTableState&) = default;
    };
    struct TStep;

    static TSlotState SlotState(const std::unique_ptr<TCurve>& slot);
    static TTableState TableState(const TCurveTableRef& table);

    void DropRedoSteps();
    void Push(std::unique_ptr<TStep> step);
    void Apply(TStep& step, bool toBefore, const TCurveTableRef& table);

    std::vector<std::unique_ptr<TStep>> Steps;
    std::size_t Done = 0;
    std::optional<std::size_t> SavedAt;
    std::unique_ptr<TStep> Pending;
    int PendingDepth = 0;
    std::array<TSlotState, MaxCurves> PendingSlots;
};
