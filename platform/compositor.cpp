#include "compositor.h"

#include "classic_controls.h"
#include "message_box_view.h"

namespace plat {

namespace {

void drawControl(Painter& p, const Control& c);

// Children lie inside their container: nothing of them outside `area`.
void drawChildren(Painter& p, const std::vector<Control*>& kids, const Rect& area) {
    Painter::Scope clip(p, area);
    for (const Control* child : kids) drawControl(p, *child);
}

void drawLabel(Painter& p, const Control& c, const Rect& r) {
    Painter::Scope clip(p, r);
    if (c.opaque()) p.fill(r, c.backColor());
    int inset = 0;
    if (c.border()) {
        p.outline(r, classic::dark);
        inset = 1;
    }
    TextMaskRef m = media().renderText(c.font(), c.caption());
    int x = r.x + inset;
    if (c.alignment() == Align::Center)
        x = r.x + (r.w - m->width) / 2;
    else if (c.alignment() == Align::Right)
        x = r.x + r.w - inset - m->width;
    p.text(*m, x, r.y + inset, c.foreColor());
}

void drawPictureBox(Painter& p, const Control& c, const Rect& r) {
    Painter::Scope clip(p, r);
    if (c.opaque()) p.fill(r, c.backColor());
    if (c.picture()) p.picture(*c.picture(), r.x, r.y, false);
    if (c.border()) p.outline(r, classic::dark);
}

void drawControl(Painter& p, const Control& c) {
    if (!c.visible()) return;
    Rect r = c.screenRect();
    switch (c.kind()) {
        case ControlKind::PictureBox: drawPictureBox(p, c, r); break;
        case ControlKind::Image:
            if (c.picture()) p.picture(*c.picture(), r.x, r.y, true);
            break;
        case ControlKind::Label: drawLabel(p, c, r); break;
        case ControlKind::Box: p.fill(r, c.backColor()); break;
        case ControlKind::Frame: drawFrame(p, c, r); break;
        case ControlKind::OptionButton: drawOptionButton(p, c, r); break;
        case ControlKind::ScrollBar: drawScrollBar(p, c, r); break;
        case ControlKind::CommandButton: drawCommandButton(p, c, r); break;
    }
    if (!c.children().empty()) drawChildren(p, c.children(), r);
}

void drawForm(Painter& p, const Form& f) {
    Rect r = f.screenRect();
    Painter::Scope clip(p, r);
    p.fill(r, f.backColor());
    if (f.picture()) p.picture(*f.picture(), r.x, r.y, false);
    drawChildren(p, f.children(), r);
}

}  // namespace

void compose(const System& sys, Framebuffer& fb) {
    fb.w = sys.screenWidthPx();
    fb.h = sys.screenHeightPx();
    fb.px.assign(size_t(fb.w) * fb.h, 0xFF000000u);
    compose(sys, fb, Rect{0, 0, fb.w, fb.h});
}

void compose(const System& sys, Framebuffer& fb, const Rect& area) {
    if (fb.w != sys.screenWidthPx() || fb.h != sys.screenHeightPx()) return compose(sys, fb);
    compose(sys, fb.canvas(), area);
}

void compose(const System& sys, const Canvas& screen, const Rect& area) {
    Painter p(screen);
    Painter::Scope only(p, area);
    p.fill(area, Color{0, 0, 0});
    for (const Form* f : sys.forms())
        if (f->visible()) drawForm(p, *f);
    if (const MessageBox* box = sys.openMessageBox())
        drawMessageBox(p, *box, layOutMessageBox(*box, screen.w, screen.h));
}

}  // namespace plat
