// The top-ten table: entering a finished game's score, filling the table
// panel, and typing the player's name into a new row.
#include "flow/topten_format.h"
#include "platform/input.h"
#include "rules/logic.h"

void logic::SaveScore() {
    TopTenTable table;
    for (int i = 0; i < TopTenRows; ++i) table[i] = TopTenRowAt(i);
    int i = enterTopTenRow(table, {"", iGameStartLevel, iLevel, lScore});
    if (i == TopTenRows) return;
    for (int j = TopTenRows - 1; j >= i; --j) {
        SetTopTenRow(j, table[j]);
        bTopOwnRow[j] = j == i || bTopOwnRow[j - 1];
    }
    iEditRow = Integer(i);
    iState = NamePending;
}

void logic::InputName() {
    ShowTopTen();
    if (iState != NamePending) return;
    sTopName[iEditRow].clear();
    visual_->topName(iEditRow).setCaption("");
    GotoEditMode(iEditRow);
}

void logic::ShowTopTen() {
    LeaveEditMode();
    visual_->EnterYourName().setVisible(false);
    for (int i = 0; i < TopTenRows; ++i) ShowTopTenRow(i);
}

void logic::ShowTopTenRow(int i) {
    plat::Control* labels[4] = {&visual_->topName(i), &visual_->startLevel(i), &visual_->topLevel(i),
                                &visual_->topScore(i)};
    labels[0]->setCaption(sTopName[i]);
    labels[1]->setCaption(plat::digits(iTopStartLevel[i]));
    labels[2]->setCaption(plat::digits(iTopEndLevel[i]));
    labels[3]->setCaption(plat::digits(lTopScore[i]));
    plat::Color plain = visual_->EnterYourName().backColor();
    for (plat::Control* label : labels) label->setForeColor(plain);
    for (plat::Control* label : labels) label->setOpaque(false);
    labels[0]->setBorder(false);
    visual_->topTen().setVisible(true);
}

void logic::GotoEditMode(Integer iRow) {
    plat::Control& field = visual_->topName(iRow);
    field.setOpaque(true);
    field.setBorder(true);
    visual_->EnterYourName().setVisible(true);
    field.setForeColor(visual_->EnterYourName().foreColor());
    visual_->CursorTimer().setEnabled(true);
    double cell = 12.0 * program_.iTwipsX;
    visual_->cursorBig().setBounds(field.left(), field.top(), cell, field.height());
    float smallTop = float(field.top()) + float(field.height()) * 3 / 4;
    float smallHeight = float(field.height()) / 4;
    visual_->cursorSmall().setBounds(field.left(), smallTop, cell, smallHeight);
    sys_.DoEvents();
    visual_->cursorBig().setVisible(true);
}

// A name is typed only while its entry is on show. Whatever takes the entry
// out of sight, or ends the game-over picture before its timer can open the
// entry, ends the name as Return does: the row keeps what was typed so far.
void logic::EndPendingName() {
    if (iState != NamePending) return;
    if (visual_->EnterYourName().visible()) LeaveEditMode();
    iState = NoGame;
}

void logic::LeaveEditMode() {
    plat::Control& field = visual_->topName(iEditRow);
    field.setBorder(false);
    field.setOpaque(false);
    field.setForeColor(visual_->EnterYourName().backColor());
    visual_->EnterYourName().setVisible(false);
    visual_->cursorBig().setVisible(false);
    visual_->cursorSmall().setVisible(false);
    visual_->CursorTimer().setEnabled(false);
}

// Block and underline take turns: the shown one is hidden first.
void logic::CursorTimer() {
    if (visual_->cursorBig().visible()) {
        visual_->cursorBig().setVisible(false);
        visual_->cursorSmall().setVisible(true);
    } else {
        visual_->cursorSmall().setVisible(false);
        visual_->cursorBig().setVisible(true);
    }
}

// The stored table keeps names between double quotes, one row a line, so a
// name takes neither a double quote nor a control character.
bool logic::NameCharacterAllowed(Integer KeyAscii) {
    if (KeyAscii == plat::CharBackspace || KeyAscii == plat::CharReturn) return true;
    return KeyAscii >= plat::CharSpace && KeyAscii <= plat::CharLast && KeyAscii != plat::CharQuote &&
           KeyAscii != plat::CharDelete;
}

void logic::NameEntry(Integer KeyAscii) {
    if (!NameCharacterAllowed(KeyAscii)) return;
    std::string& name = sTopName[iEditRow];
    if (KeyAscii == plat::CharBackspace)
        name.clear();
    else if (KeyAscii != plat::CharReturn)
        name += char(static_cast<unsigned char>(KeyAscii));
    visual_->topName(iEditRow).setCaption(name);
    if (name.size() == NameLength) {
        iState = NoGame;
        LeaveEditMode();
        return;
    }
    MoveNameCursor();
}

void logic::MoveNameCursor() {
    plat::Control& field = visual_->topName(iEditRow);
    double left = field.left() + double(sTopName[iEditRow].size()) * 12 * program_.iTwipsX;
    visual_->cursorSmall().setLeft(left);
    visual_->cursorBig().setLeft(visual_->cursorSmall().left());
}
