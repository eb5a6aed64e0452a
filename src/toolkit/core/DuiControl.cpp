#include "toolkit/core/DuiControl.h"

#include "toolkit/core/Composition.h"
#include "toolkit/core/DuiWindow.h"

#include <cmath>

namespace {

// The transition timer of a control uses the identifier handle + 1, so that it
// never collides with the control's own timer (identifier = handle).
UINT_PTR TransitionTimerId(const DuiControl* control) {
    return reinterpret_cast<UINT_PTR>(control) + 1;
}

bool OnWindowThread(HWND window) {
    return GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

} // namespace

void DuiEventRoutine::Call(DuiControl* parent, DuiControl* control, UINT code, WPARAM wParam,
                           LPARAM lParam) const {
    if (const auto* topLevel = std::get_if<DuiTopLevelRoutine>(&m_routine)) {
        if (*topLevel)
            (*topLevel)(control, code, wParam, lParam);
    } else if (const auto* child = std::get_if<DuiChildRoutine>(&m_routine)) {
        if (*child)
            (*child)(parent, control, code, wParam, lParam);
    }
}

LRESULT DuiDispatch(DuiControl* control, UINT code, WPARAM wParam, LPARAM lParam) {
    if (!control)
        return 0;
    const LRESULT result = control->HandleMessage(code, wParam, lParam);
    const auto& table = control->EventTable();
    for (const auto& [entryCode, routine] : table) {
        const bool doubleClick =
            entryCode == WM_LBUTTONDBLCLK && code == WM_LBUTTONDOWN && wParam == DuiDoubleClickMark;
        if (entryCode != code && !doubleClick)
            continue;
        // A copy: the routine may destroy the control and with it the table.
        const DuiEventRoutine call = routine;
        call.Call(control->GetParent(), control, code, wParam, lParam);
        break;
    }
    return result;
}

DuiControl::~DuiControl() {
    // A derived class has already released its own resources; take the node
    // out of its host without asking the (no longer complete) object anything.
    if (!IsAttached())
        return;
    Invalidate(); // its place shows what lies behind it from now on
    while (m_firstChild)
        m_firstChild->Destroy();
    KillTimer(m_hostWindow, TransitionTimerId(this));
    KillTimer(m_hostWindow, reinterpret_cast<UINT_PTR>(this));
    if (m_root)
        m_root->Forget(this);
    Unlink();
    ResetNode();
}

DuiControl* DuiControl::Attach(DuiOwner owner, const DuiAttachParams& params) {
    if (IsAttached())
        return this;
    HWND hostWindow = owner.control ? owner.control->m_hostWindow : owner.window;
    DuiWindow* root = DuiWindow::FromWindow(hostWindow);
    if (!root)
        return nullptr;
    // A parent must belong to the host its window names.
    if (owner.control && owner.control->m_root != root)
        return nullptr;

    m_hostWindow = hostWindow;
    m_rect = params.rect;
    m_previousRect = params.rect;
    m_tipText.clear();
    m_parent = nullptr;
    m_alpha = 255;
    m_kind = params.kind;
    m_cursor = params.cursorId ? LoadCursorW(nullptr, params.cursorId) : params.cursor;
    m_visible = params.visible;
    m_focusable = params.focusable.value_or(true);
    m_disabled = false;
    m_redrawEnabled = true;
    m_root = root;
    m_previousSibling = m_nextSibling = nullptr;
    root->Register(this);
    if (owner.control)
        SetParent(owner.control);
    else
        LinkLast(root->FirstTopLevelRef(), root->LastTopLevelRef());

    m_image = std::make_unique<DibSurface>();
    if (m_kind == kDuiKindTinyImage)
        m_image->Create(1, 1);
    else
        m_image->Create(int(m_rect.width), int(m_rect.height));
    m_transitionInterval = params.transitionInterval;
    m_transitionFrames = params.transitionFrames;
    m_transitionKind = params.transitionKind;
    m_transitionPosition = 0;

    SendEvent(WM_CREATE, reinterpret_cast<WPARAM>(m_image->Bitmap()), reinterpret_cast<LPARAM>(Surface()));
    SendEvent(WM_PAINT, reinterpret_cast<WPARAM>(m_image->Bitmap()), reinterpret_cast<LPARAM>(Surface()));
    return this;
}

DuiControl* DuiControl::GetHandle() const {
    return IsAttached() ? const_cast<DuiControl*>(this) : nullptr;
}

HWND DuiControl::GetHostWindow() const {
    return m_hostWindow;
}

DuiControl* DuiControl::GetParent() const {
    return m_parent;
}

void DuiControl::ListEnds(DuiControl**& first, DuiControl**& last) {
    if (m_parent) {
        first = &m_parent->m_firstChild;
        last = &m_parent->m_lastChild;
    } else {
        first = &m_root->FirstTopLevelRef();
        last = &m_root->LastTopLevelRef();
    }
}

void DuiControl::LinkLast(DuiControl*& first, DuiControl*& last) {
    m_previousSibling = last;
    m_nextSibling = nullptr;
    if (last)
        last->m_nextSibling = this;
    last = this;
    if (!first)
        first = this;
}

void DuiControl::LinkFirst(DuiControl*& first, DuiControl*& last) {
    m_previousSibling = nullptr;
    m_nextSibling = first;
    if (first)
        first->m_previousSibling = this;
    first = this;
    if (!last)
        last = this;
}

bool DuiControl::IsAncestorOf(const DuiControl* other) const {
    for (const DuiControl* c = other; c; c = c->m_parent)
        if (c == this)
            return true;
    return false;
}

void DuiControl::Unlink() {
    if (!m_root)
        return;
    DuiControl** first = nullptr;
    DuiControl** last = nullptr;
    ListEnds(first, last);
    if (m_previousSibling)
        m_previousSibling->m_nextSibling = m_nextSibling;
    else if (*first == this)
        *first = m_nextSibling;
    if (m_nextSibling)
        m_nextSibling->m_previousSibling = m_previousSibling;
    else if (*last == this)
        *last = m_previousSibling;
    m_previousSibling = m_nextSibling = nullptr;
}

void DuiControl::SetParent(DuiControl* newParent) {
    if (!IsAttached() || newParent == m_parent)
        return;
    // A parent of another host, or one inside this control, would break the tree.
    if (newParent && (newParent->m_root != m_root || IsAncestorOf(newParent)))
        return;
    Unlink();
    m_parent = newParent;
    DuiControl** first = nullptr;
    DuiControl** last = nullptr;
    ListEnds(first, last);
    LinkLast(*first, *last);
    Invalidate();
}

void DuiControl::ZOrder(std::optional<int> where, bool invalidate) {
    if (!IsAttached())
        return;
    Unlink();
    DuiControl** first = nullptr;
    DuiControl** last = nullptr;
    ListEnds(first, last);
    if (where == 2)
        LinkFirst(*first, *last);
    else
        LinkLast(*first, *last);
    if (invalidate)
        Invalidate();
}

void DuiControl::ResetNode() {
    m_hostWindow = nullptr;
    m_root = nullptr;
    m_parent = nullptr;
    m_visible = m_disabled = m_focusable = m_redrawEnabled = false;
    m_cursor = nullptr;
    m_events.clear();
    m_rect = m_previousRect = {};
    m_tipText.clear();
    m_tag.clear();
    m_kind = 0;
    m_firstChild = m_lastChild = m_previousSibling = m_nextSibling = nullptr;
    m_transitionPosition = m_transitionInterval = m_transitionFrames = m_transitionKind = 0;
    m_image.reset();
    m_previousImage.reset();
    m_alpha = 0;
}

void DuiControl::Destroy() {
    if (!IsAttached())
        return;
    m_visible = false;
    Invalidate();
    while (m_firstChild)
        m_firstChild->Destroy();
    HandleMessage(WM_DESTROY, 0, 0);
    KillTimer(m_hostWindow, TransitionTimerId(this));
    // The control's own timer too: a tick for a destroyed control has nowhere to go.
    KillTimer(m_hostWindow, reinterpret_cast<UINT_PTR>(this));
    m_root->Forget(this);
    Unlink();
    ResetNode();
}

DuiRect DuiControl::GetRect(std::optional<DuiRect> moveFirst) {
    if (moveFirst)
        Move(moveFirst->x, moveFirst->y, moveFirst->width, moveFirst->height);
    return m_rect;
}

bool DuiControl::Visible(std::optional<bool> value) {
    if (value && *value != m_visible) {
        m_visible = *value;
        if (IsAttached()) {
            SendEvent(m_visible ? DuiEvtShown : DuiEvtHidden, 0, 0);
            Invalidate();
        }
    }
    return m_visible;
}

bool DuiControl::Disabled(std::optional<bool> value) {
    if (value && *value != m_disabled) {
        m_disabled = *value;
        if (IsAttached()) {
            if (m_root->Focus() == this) {
                m_root->m_focus = nullptr;
                PostEvent(DuiEvtFocusLost, 0, 0);
            }
            PostEvent(DuiEvtMouseLeave, 0, 0);
            Invalidate();
        }
    }
    return m_disabled;
}

bool DuiControl::Focusable(std::optional<bool> value) {
    if (value)
        m_focusable = *value;
    return m_focusable;
}

bool DuiControl::IsFocused() {
    if (!IsAttached())
        return false;
    const LRESULT answer = DuiDispatch(this, DuiEvtFocusQuery, 0, 0);
    if (answer == 1)
        return true;
    if (answer == 0)
        return false;
    return m_root->Focus() == this;
}

void DuiControl::Redraw() {
    if (IsAttached())
        SendEvent(WM_PAINT, 0, 0);
}

void DuiControl::Invalidate() {
    if (!IsAttached())
        return;
    // Posted: the control may be gone when the message arrives, so the message
    // carries its own copy of the rect.
    auto rect = std::make_unique<DuiRect>(m_rect);
    if (PostMessageW(m_hostWindow, DuiMsgInvalidate, kInvalidateNow | kInvalidateOwnsRect,
                     reinterpret_cast<LPARAM>(rect.get())))
        rect.release(); // the host frees it
}

void DuiControl::ShiftDescendants(float dx, float dy) {
    for (DuiControl* child = m_firstChild; child; child = child->m_nextSibling) {
        child->m_rect.x += dx;
        child->m_rect.y += dy;
        child->ShiftDescendants(dx, dy);
    }
}

void DuiControl::ResizeImage() {
    m_image = std::make_unique<DibSurface>();
    m_image->Create(int(m_rect.width), int(m_rect.height));
}

void DuiControl::Move(std::optional<float> x, std::optional<float> y, std::optional<float> width,
                      std::optional<float> height, bool repaint) {
    const DuiRect old = m_rect;
    const DuiRect next{x.value_or(old.x), y.value_or(old.y), width.value_or(old.width),
                       height.value_or(old.height)};
    const bool sized = DuiDiffers(next.width, old.width) || DuiDiffers(next.height, old.height);
    if (!DuiDiffers(next.x, old.x) && !DuiDiffers(next.y, old.y) && !sized)
        return;
    m_previousRect = old;
    m_rect = next;
    // Children keep their offsets in whole pixels.
    ShiftDescendants(std::trunc(next.x - old.x), std::trunc(next.y - old.y));
    if (!IsAttached())
        return;
    if (sized && m_kind != kDuiKindTinyImage) {
        ResizeImage();
        SendEvent(DuiEvtResized, WPARAM(next.width), LPARAM(next.height));
        SendEvent(WM_PAINT, WPARAM(next.width), LPARAM(next.height));
    }
    const LPARAM flag = m_visible && repaint ? 1 : 0;
    // The host refuses the repaint while its painting is suspended. Another
    // thread waits for the end of the suspension; the window thread itself
    // cannot (the suspension ends further up its own stack) and leaves the
    // repaint to the full repaint that ends every suspension.
    const bool windowThread = OnWindowThread(m_hostWindow);
    while (IsWindow(m_hostWindow) && SendMessageW(m_hostWindow, DuiMsgMoved, ToWParam(this), flag) != 1) {
        if (windowThread)
            break;
        Sleep(1);
    }
}

std::string DuiControl::TipText(std::optional<std::string_view> text, bool update) {
    if (text) {
        m_tipText = std::string(*text);
        if (update)
            UpdateTip(m_tipText);
    }
    return m_tipText;
}

void DuiControl::UpdateTip(std::string_view text) {
    if (IsAttached())
        m_root->SetToolTip(this, text);
}

void DuiControl::SetEventHandler(UINT code, DuiEventRoutine routine) {
    for (auto& entry : m_events)
        if (entry.first == code) {
            entry.second = std::move(routine);
            return;
        }
    m_events.emplace_back(code, std::move(routine));
}

int DuiControl::Alpha(std::optional<int> value, bool invalidate) {
    if (value) {
        m_alpha = *value & 255;
        if (IsAttached()) {
            SendEvent(DuiEvtAlphaChanged, 0, m_alpha);
            if (invalidate)
                Invalidate();
        }
    }
    return m_alpha;
}

int DuiControl::TransitionFrames(std::optional<int> frames, std::optional<int> interval) {
    if (frames)
        m_transitionFrames = *frames;
    if (interval)
        m_transitionInterval = *interval;
    return m_transitionFrames;
}

int DuiControl::TransitionInterval(std::optional<int> value) {
    if (value)
        m_transitionInterval = *value;
    return m_transitionInterval;
}

int DuiControl::TransitionKind(std::optional<int> value) {
    if (value)
        m_transitionKind = *value;
    return m_transitionKind;
}

LRESULT DuiControl::SendEvent(UINT code, WPARAM wParam, LPARAM lParam) {
    if (!IsAttached() || !IsWindow(m_hostWindow))
        return 0;
    DuiEventBlock block{code, wParam, lParam, false};
    return SendMessageW(m_hostWindow, DuiMsgEvent, ToWParam(this), reinterpret_cast<LPARAM>(&block));
}

void DuiControl::PostEvent(UINT code, WPARAM wParam, LPARAM lParam) {
    if (!IsAttached())
        return;
    auto block = std::make_unique<DuiEventBlock>(DuiEventBlock{code, wParam, lParam, true});
    if (PostMessageW(m_hostWindow, DuiMsgEvent, ToWParam(this), reinterpret_cast<LPARAM>(block.get())))
        block.release(); // the host frees it after dispatching
}

HCURSOR DuiControl::Cursor(std::optional<HCURSOR> cursor) {
    if (cursor)
        m_cursor = *cursor;
    return m_cursor;
}

HCURSOR DuiControl::CursorById(LPCWSTR systemCursorId) {
    m_cursor = LoadCursorW(nullptr, systemCursorId);
    return m_cursor;
}

std::string DuiControl::Tag(std::optional<std::string_view> text) {
    if (text)
        m_tag = std::string(*text);
    return m_tag;
}

float DuiControl::Left(std::optional<float> value) {
    if (value && DuiDiffers(*value, m_rect.x))
        Move(*value);
    return m_rect.x;
}

float DuiControl::Top(std::optional<float> value) {
    if (value && DuiDiffers(*value, m_rect.y))
        Move(std::nullopt, *value);
    return m_rect.y;
}

float DuiControl::Width(std::optional<float> value) {
    if (value && DuiDiffers(*value, m_rect.width))
        Move(std::nullopt, std::nullopt, *value);
    return m_rect.width;
}

float DuiControl::Height(std::optional<float> value) {
    if (value && DuiDiffers(*value, m_rect.height))
        Move(std::nullopt, std::nullopt, std::nullopt, *value);
    return m_rect.height;
}

int DuiControl::Kind(std::optional<int> value) {
    if (value)
        m_kind = *value;
    return m_kind;
}

bool DuiControl::TransitionPending() const {
    return m_transitionInterval != 0 && m_transitionFrames != 0 &&
           m_transitionPosition != m_transitionFrames && m_previousImage;
}

void DuiControl::StartTimer(UINT milliseconds) {
    if (IsAttached())
        SetTimer(m_hostWindow, reinterpret_cast<UINT_PTR>(this), milliseconds, nullptr);
}

void DuiControl::StopTimer() {
    if (IsAttached())
        KillTimer(m_hostWindow, reinterpret_cast<UINT_PTR>(this));
}

bool DuiControl::BeginControlPaint(DuiPaintContext& context, std::optional<DuiRect> area, bool clear) {
    if (!IsAttached() || !m_image || !*m_image)
        return false;
    context = {};
    context.window = m_hostWindow;
    context.surface = Surface();
    context.area = area.value_or(DuiRect{0, 0, float(m_image->Width()), float(m_image->Height())});
    context.clear = clear;
    context.root = m_root;
    context.windowDc = m_root->WindowDc();
    context.backBufferDc = m_root->BackBuffer().Dc();
    context.backBufferSurface = m_root->BackBuffer().Graphics();
    context.image = m_image.get();
    if (clear) {
        m_previousImage.reset();
        if (!m_root->PaintingSuspended() && m_transitionFrames > 0 && m_transitionInterval > 0) {
            // Finish a transition still running, so the old look is what fades out.
            KillTimer(m_hostWindow, TransitionTimerId(this));
            m_transitionPosition = m_transitionFrames;
            PaintRect(*m_root, m_rect, true);
            m_previousImage = std::make_unique<DibSurface>();
            if (m_previousImage->Create(m_image->Width(), m_image->Height()))
                m_previousImage->CopyFrom(*m_image);
            else
                m_previousImage.reset();
        }
        m_image->Clear(context.area);
    }
    BeforePaint(context);
    return true;
}

void DuiControl::EndControlPaint(DuiPaintContext& context) {
    if (!IsAttached())
        return;
    AfterPaint(context);
    if (context.surface)
        GdipFlush(context.surface, Gdiplus::FlushIntentionSync);
    if (!context.clear || !m_redrawEnabled || !m_visible)
        return;
    if (m_transitionFrames > 0 && m_transitionInterval > 0) {
        m_transitionPosition = 0;
        DuiDispatch(this, DuiEvtTransitionStarted, 0, 0);
        SetTimer(m_hostWindow, TransitionTimerId(this), UINT(m_transitionInterval), TransitionTimerProc);
    } else {
        DuiRect rect = m_rect;
        SendMessageW(m_hostWindow, DuiMsgInvalidate, kInvalidateQueue, reinterpret_cast<LPARAM>(&rect));
    }
}

void CALLBACK DuiControl::TransitionTimerProc(HWND window, UINT, UINT_PTR id, DWORD) noexcept {
    DuiWindow* host = DuiWindow::FromWindow(window);
    auto* control = reinterpret_cast<DuiControl*>(id - 1);
    if (!host || !host->IsLive(control)) {
        KillTimer(window, id);
        return;
    }
    control->TransitionTick();
}

void DuiControl::TransitionTick() {
    ++m_transitionPosition;
    PaintRect(*m_root, m_rect, true);
    if (m_transitionPosition < m_transitionFrames)
        return;
    KillTimer(m_hostWindow, TransitionTimerId(this));
    m_previousImage.reset();
    m_transitionPosition = 0;
    DuiDispatch(this, DuiEvtTransitionFinished, 0, 0);
}

DuiControl* HitTest(DuiControl* last, float x, float y) {
    for (DuiControl* c = last; c; c = c->PreviousSibling()) {
        if (!c->Visible() || c->Disabled() || !RectContains(c->Rect(), x, y))
            continue;
        DuiControl* deeper = HitTest(c->LastChild(), x, y);
        return deeper ? deeper : c;
    }
    return nullptr;
}
