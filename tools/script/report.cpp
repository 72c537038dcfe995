// The runner's JSON reports: the game's state (dump) and the board's
// pictures (grid).
#include <nlohmann/json.hpp>

#include "display/board_geometry.h"
#include "rules/logic_probe.h"
#include "runner.h"

namespace script {

using nlohmann::json;

namespace {

std::string pictureName(const plat::Control& c) { return c.picture() ? c.picture()->name : std::string(); }

json boardRows(const logic& g) {
    json rows = json::array();
    for (int r = BoardRows; r >= 1; --r) {
        std::string row;
        for (int c = 1; c <= BoardColumns; ++c) {
            if (c > 1) row += ' ';
            for (int v : {LogicProbe::boardUp(g, r, c), LogicProbe::boardDown(g, r, c), LogicProbe::boardLeft(g, r, c),
                          LogicProbe::boardRight(g, r, c)})
                row += std::to_string(v);
        }
        rows.push_back(row);
    }
    return rows;
}

json topRows(const logic& g) {
    json rows = json::array();
    for (int i = 0; i < TopTenRows; ++i)
        rows.push_back({cp1252ToUtf8(LogicProbe::topName(g, i)), LogicProbe::topStartLevel(g, i),
                        LogicProbe::topEndLevel(g, i), LogicProbe::topScore(g, i)});
    return rows;
}

json visibility(logic& g) {
    json v = json::object();
    plat::Form& black = g.black().form();
    plat::Form& visual = g.visual().form();
    v["black"] = black.visible();
    if (plat::Control* s = black.find("splash")) v["splash"] = s->visible();
    v["visual"] = visual.visible();
    v["options"] = g.options().form().visible();
    for (const char* name : {"center", "pause", "gameOver", "message", "message3", "topTen", "EnterYourName",
                             "boxtemp1", "start0", "options0", "info0", "scores0", "exit0", "help0"})
        if (plat::Control* c = visual.find(name)) v[name] = c->visible();
    return v;
}

void addGameState(json& d, logic& g) {
    d["state"] = LogicProbe::state(g);
    d["paused"] = LogicProbe::paused(g);
    d["falling"] = LogicProbe::falling(g);
    d["level"] = LogicProbe::level(g);
    d["score"] = LogicProbe::score(g);
    d["hiscore"] = LogicProbe::hiScore(g);
    d["boxcount"] = LogicProbe::boxCount(g);
    d["temp"] = {LogicProbe::tempY(g),    LogicProbe::tempX(g),    LogicProbe::tempUp(g),
                 LogicProbe::tempDown(g), LogicProbe::tempLeft(g), LogicProbe::tempRight(g)};
    d["board"] = boardRows(g);
    VisualInterface& v = g.visual();
    d["labels"] = {{"score", v.score().caption()}, {"level", v.level().caption()}, {"hiscore", v.hiscore().caption()}};
    d["timer1"] = {{"enabled", v.Timer1().enabled()}, {"interval", v.Timer1().interval()}};
    d["visible"] = visibility(g);
    d["enabled"] = {{"center", v.center().enabled()}};
    d["top"] = topRows(g);
    d["edit"] = LogicProbe::editRow(g);
    d["options"] = {LogicProbe::sound(g), LogicProbe::startLevel(g), LogicProbe::control(g), LogicProbe::blockType(g)};
}

}  // namespace

void Runner::dump() {
    json d;
    d["t"] = backend_.now();
    d["ended"] = sys_ && sys_->ended();
    logic* g = startup_ ? startup_->gLogic() : nullptr;
    if (g) addGameState(d, *g);
    json sounds = json::array();
    for (; soundsSeen_ < backend_.sounds.size(); ++soundsSeen_) {
        const auto& [file, flags] = backend_.sounds[soundsSeen_];
        sounds.push_back({file, flags});
    }
    d["sounds"] = sounds;
    json boxes = json::array();
    for (; boxesSeen_ < backend_.boxes.size(); ++boxesSeen_) {
        const auto& b = backend_.boxes[boxesSeen_];
        boxes.push_back({cp1252ToUtf8(b.prompt), cp1252ToUtf8(b.title), b.flags});
    }
    d["msgbox"] = boxes;
    out_ << d.dump() << '\n';
}

void Runner::grid() {
    json d = json::object();
    logic* g = startup_ ? startup_->gLogic() : nullptr;
    if (g) {
        plat::Form& f = g->visual().form();
        json cells = json::array(), lasers = json::array();
        for (int r = 1; r <= BoardRows; ++r)
            for (int c = 1; c <= BoardColumns; ++c) {
                int k = board::firstIndex(plat::Integer(r), plat::Integer(c));
                json names = json::array(), shown = json::array();
                bool any = false;
                for (int n = 1; n <= 4; ++n) {
                    plat::Control* cell = f.find("box1", k + n);
                    if (!cell) continue;
                    names.push_back(cell->picture() ? json(pictureName(*cell)) : json(nullptr));
                    shown.push_back(cell->visible());
                    any = any || cell->visible();
                    plat::Control* piece = f.find("laser", k + n);
                    if (piece && piece->visible()) lasers.push_back({r, c, n, pictureName(*piece)});
                }
                if (any) cells.push_back({r, c, f.get("box1", k + 1).tag(), names, shown});
            }
        d["cells"] = cells;
        d["lasers"] = lasers;
        if (plat::Control* t = f.find("boxtemp1"))
            d["temp"] = {{"picture", t->picture() ? json(pictureName(*t)) : json(nullptr)},
                         {"tag", t->tag()},
                         {"visible", t->visible()},
                         {"left", t->left()},
                         {"top", t->top()}};
        plat::Control& center = g->visual().center();
        d["center"] = center.picture() ? json(pictureName(center)) : json(nullptr);
    }
    out_ << d.dump() << '\n';
}

}  // namespace script
