#include "text/memo_source.h"

#include <algorithm>

#include "text/global_options.h"

namespace tessorin {
namespace {

bool insertMode = true;

} // namespace

TCustomMemoSource::TCustomMemoSource(TComponent* owner)
    : TComponent(owner), FLines(FTabs, [this] { return CreateStringItem(); }) {
    auto adjuster = CornerAdjuster();
    BlockBegin().OnAdjust = adjuster;
    BlockEnd().OnAdjust = adjuster;
    TMemoSourceOptions::Instance().Register(this);
}

TCustomMemoSource::~TCustomMemoSource() {
    TMemoSourceOptions::Instance().Unregister(this);
    if (FSyntaxParser) {
        FSyntaxParser->UnregisterClient(this);
        FSyntaxParser->RemoveFreeNotification(this);
    }
    // Views hear of it while the source is whole: they may detach meanwhile.
    NotifyDestruction();
}

std::unique_ptr<TStringItem> TCustomMemoSource::CreateStringItem() const {
    return std::make_unique<TStringItem>();
}

TPosition::TAdjustEvent TCustomMemoSource::CornerAdjuster() {
    // Column-block corners stay where they are; stream corners follow edits.
    return [this](TPosition&, bool& adjustChar, bool& adjustLine) {
        adjustChar = adjustLine = FSelType != stBlockSel;
    };
}

void TCustomMemoSource::SetOptions(TStringsOptions value) {
    // Smart tab and tab characters never stay on together.
    if (value.Contains(soUseTabCharacter) && !FOptions.Contains(soUseTabCharacter))
        value.Exclude(soSmartTab);
    else if (value.Contains(soSmartTab) && FOptions.Contains(soUseTabCharacter))
        value.Exclude(soUseTabCharacter);
    if (value == FOptions)
        return;
    const bool leftBeyondEnd =
        FOptions.Contains(soBeyondFileEnd) && !value.Contains(soBeyondFileEnd);
    FOptions = value;
    if (leftBeyondEnd && CaretLine() >= LineCount())
        CaretDocEnd();
}

void TCustomMemoSource::SetTabStops(const std::u16string& value) {
    if (value == FTabs.Text())
        return;
    FTabs.Assign(value);
    FLines.Longest().AllChanged();
    if (HasOption(soUseTabCharacter)) {
        BeginUpdate(ucParserChange);
        WidenChanged(0, INT_MAX);
        AddState(msParserChanged);
        EndUpdate();
    }
}

void TCustomMemoSource::SetSpacesInTab(int value) {
    FSpacesInTab = (value <= 0 || value > 10) ? 8 : value;
}

void TCustomMemoSource::SetReadOnly(bool value) {
    if (value == FReadOnly)
        return;
    BeginUpdate(ucReadOnly);
    FReadOnly = value;
    AddState(msReadOnlyChanged);
    EndUpdate();
}

void TCustomMemoSource::SetUseGlobalOptions(bool value) {
    if (value == FUseGlobalOptions)
        return;
    FUseGlobalOptions = value;
    if (value)
        TMemoSourceOptions::Instance().ApplyTo(*this);
}

void TCustomMemoSource::SetObjectName(const std::u16string& value) {
    if (value == FObjectName)
        return;
    BeginUpdate(ucObjectName);
    FObjectName = value;
    AddState(msObjNameChanged);
    EndUpdate();
}

bool TCustomMemoSource::InsertMode() {
    return insertMode;
}

void TCustomMemoSource::ToggleInsertMode() {
    BeginUpdate(ucInsertMode);
    insertMode = !insertMode;
    AddState(msInsState);
    EndUpdate();
}

bool TCustomMemoSource::IsLineReadOnly(int i) const {
    const TStringItem* item = LineItem(i);
    return item && item->HasFlag(lfReadOnly);
}

bool TCustomMemoSource::IsEditBlocked() const {
    return FReadOnly || IsLineReadOnly(CaretLine());
}

bool TCustomMemoSource::SetLineFlag(int line, std::uint8_t flag, bool on) {
    TStringItem* item = LineItem(line);
    if (!item || item->HasFlag(flag) == on)
        return false;
    BeginUpdate(ucLineFlags);
    if (flag == lfRegionBody && on)
        MarkRegionBody(line);
    else {
        item->SetFlag(flag, on);
        if (flag == lfRegionBody)
            FHiddenLines.erase(std::remove(FHiddenLines.begin(), FHiddenLines.end(), line),
                               FHiddenLines.end());
    }
    WidenChanged(line, INT_MAX);
    AddState(msBlockChanged);
    EndUpdate();
    return true;
}

std::u16string TCustomMemoSource::ConvertTabs(std::u16string text) const {
    if (HasOption(soUseTabCharacter) || text.find(u'\t') == std::u16string::npos)
        return text;
    std::u16string result;
    for (char16_t c : text) {
        if (c == u'\t')
            result.append(FSpacesInTab, u' ');
        else
            result.push_back(c);
    }
    return result;
}

void TCustomMemoSource::AttachView(TMemoNotifyEvent notify, TComponent* view, bool refresh) {
    auto it = std::find_if(FViews.begin(), FViews.end(),
                           [view](const TView& v) { return v.View == view; });
    if (it != FViews.end())
        it->Notify = std::move(notify);
    else {
        FViews.push_back({view, std::move(notify)});
        view->FreeNotification(this);
    }
    if (refresh) {
        BeginUpdate(ucAttachView);
        WidenChanged(0, INT_MAX);
        FStates = TMemoStates::FromBits(0x57D);
        EndUpdate();
    }
}

void TCustomMemoSource::DetachView(TComponent* view) {
    auto it = std::find_if(FViews.begin(), FViews.end(),
                           [view](const TView& v) { return v.View == view; });
    if (it == FViews.end())
        return;
    FViews.erase(it);
    view->RemoveFreeNotification(this);
}

void TCustomMemoSource::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    DetachView(component);
    if (component == FSyntaxParser) {
        FSyntaxParser = nullptr;
        InvalidateColoring();
    }
}

void TCustomMemoSource::ResetPositions() {
    FPositions.ResetAll();
    FSelType = FSafeSelType = stNotSelected;
    FHiddenLines.clear();
    FBookmarks.Clear();
}

void TCustomMemoSource::Loaded() {
    BeginUpdate(ucLoaded);
    FSavePointLost = false;
    SetModified(false, false);
    SetCaret(0, 0);
    EndUpdate();
    ClearUndo();
}

} // namespace tessorin
