#include "core/undohistory.h"

#include <algorithm>
#include <utility>

struct TUndoHistory::TStep {
    struct TSlotChange {
        int Slot;
        TSlotState Before;
        TSlotState After;
    };

    std::string Name;
    bool ClearsSaved = false;
    bool ChangesCurves = false;
    TTableState TableBefore;
    TTableState TableAfter;
    std::vector<TSlotChange> Slots;
    std::optional<TView> ViewBefore;
    std::optional<TView> ViewAfter;
    // Curves out of their slots on the side of the step not in force.
    std::vector<std::unique_ptr<TCurve>> Parked;

    std::unique_ptr<TCurve> TakeParked(TCurve* curve) {
        auto it = std::find_if(Parked.begin(), Parked.end(),
                               [curve](const auto& parked) { return parked.get() == curve; });
        if (it == Parked.end())
            return nullptr;
        std::unique_ptr<TCurve> taken = std::move(*it);
        Parked.erase(it);
        return taken;
    }
};

namespace {

// Brings a curve that stayed in its slot to the count it had on the other
// side of a step. Only the last point ever differs, and that one is kept.
void MatchCount(TCurve& curve, std::uint32_t count, const TCurvePoint& last) {
    curve.Dc = nullptr; // the window repaints after undo; nothing is drawn now
    while (curve.GetCount() > count)
        curve.DeleteLastPoint();
    if (curve.GetCount() + 1 == count)
        curve.AddPoint(last.X, last.Y);
}

} // namespace

TUndoHistory::TUndoHistory() = default;
TUndoHistory::~TUndoHistory() = default;

TUndoHistory::TSlotState TUndoHistory::SlotState(const std::unique_ptr<TCurve>& slot) {
    if (!slot)
        return {};
    return {slot.get(), slot->GetCount(), slot->GetLastPoint()};
}

TUndoHistory::TTableState TUndoHistory::TableState(const TCurveTableRef& table) {
    return {table.CurrentCurve, table.PointCount, table.DrawMode};
}

void TUndoHistory::BeginStep(std::string name, const TCurveTableRef& table) {
    if (PendingDepth++ > 0)
        return;
    Pending = std::make_unique<TStep>();
    Pending->Name = std::move(name);
    Pending->ChangesCurves = true;
    Pending->TableBefore = TableState(table);
    for (int slot = 0; slot < MaxCurves; ++slot)
        PendingSlots[slot] = SlotState(table.Curves[slot]);
}

void TUndoHistory::Discard(std::unique_ptr<TCurve>& slot) {
    if (Pending && slot)
        Pending->Parked.push_back(std::move(slot));
    slot.reset();
}

void TUndoHistory::EndStep(const TCurveTableRef& table, bool clearsSaved) {
    if (PendingDepth == 0 || !Pending)
        return;
    Pending->ClearsSaved = Pending->ClearsSaved || clearsSaved;
    if (--PendingDepth > 0)
        return;
    std::unique_ptr<TStep> step = std::move(Pending);
    step->TableAfter = TableState(table);
    for (int slot = 0; slot < MaxCurves; ++slot) {
        const TSlotState after = SlotState(table.Curves[slot]);
        const TSlotState& before = PendingSlots[slot];
        if (after.Curve != before.Curve || after.Count != before.Count)
            step->Slots.push_back({slot, before, after});
    }
    if (step->Slots.empty() && step->TableBefore == step->TableAfter)
        return;
    step->Slots.shrink_to_fit();
    Push(std::move(step));
}

void TUndoHistory::RecordView(std::string name, const TView& before, const TView& after) {
    if (before == after)
        return;
    auto step = std::make_unique<TStep>();
    step->Name = std::move(name);
    step->ViewBefore = before;
    step->ViewAfter = after;
    Push(std::move(step));
}

void TUndoHistory::Push(std::unique_ptr<TStep> step) {
    DropRedoSteps();
    Steps.push_back(std::move(step));
    Done = Steps.size();
}

void TUndoHistory::DropRedoSteps() {
    Steps.resize(Done);
    if (SavedAt && *SavedAt > Done)
        SavedAt.reset();
}

std::string TUndoHistory::UndoName() const {
    return CanUndo() ? Steps[Done - 1]->Name : std::string();
}

std::string TUndoHistory::RedoName() const {
    return CanRedo() ? Steps[Done]->Name : std::string();
}

void TUndoHistory::Apply(TStep& step, bool toBefore, const TCurveTableRef& table) {
    if (!step.ChangesCurves)
        return;
    for (const TStep::TSlotChange& change : step.Slots) {
        const TSlotState& target = toBefore ? change.Before : change.After;
        std::unique_ptr<TCurve>& slot = table.Curves[change.Slot];
        if (slot.get() != target.Curve) {
            if (slot)
                step.Parked.push_back(std::move(slot));
            slot = step.TakeParked(target.Curve);
        }
        if (slot)
            MatchCount(*slot, target.Count, target.Last);
    }
    const TTableState& state = toBefore ? step.TableBefore : step.TableAfter;
    table.CurrentCurve = state.CurrentCurve;
    table.PointCount = state.PointCount;
    table.DrawMode = state.DrawMode;
}

std::optional<TView> TUndoHistory::Undo(const TCurveTableRef& table) {
    if (!CanUndo())
        return std::nullopt;
    TStep& step = *Steps[--Done];
    Apply(step, true, table);
    return step.ViewBefore;
}

std::optional<TView> TUndoHistory::Redo(const TCurveTableRef& table) {
    if (!CanRedo())
        return std::nullopt;
    TStep& step = *Steps[Done++];
    Apply(step, false, table);
    return step.ViewAfter;
}

void TUndoHistory::MarkSaved() {
    SavedAt = Done;
}

bool TUndoHistory::IsAtSavedState() const {
    if (!SavedAt)
        return false;
    const std::size_t from = std::min(*SavedAt, Done);
    const std::size_t to = std::max(*SavedAt, Done);
    return std::none_of(Steps.begin() + from, Steps.begin() + to,
                        [](const auto& step) { return step->ClearsSaved; });
}
