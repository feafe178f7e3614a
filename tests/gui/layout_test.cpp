// Every design caption fits its control in the font the windows are drawn with.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include "support/qt_app.h"

#include <string>

#include "gui/formview.h"
#include "gui/view.h"
#include "shell/session.h"

namespace {

const char* const Windows[] = {"frm1basic", "frm2opti", "frm3hgf", "frm4about",
                               "frm5help",  "frm6fast", "frm7tch", "frm8edge"};

std::string nameOf(const forms::Control& c) {
    std::string n = c.form().name();
    n += '.';
    n += c.name();
    if (c.index() >= 0) n.append("(").append(std::to_string(c.index())).append(")");
    return n;
}

// The room a caption needs beside what its control draws around it.
QSize needed(QWidget* w, const QString& text) {
    const QFontMetrics fm = w->fontMetrics();
    if (auto* l = qobject_cast<QLabel*>(w)) {
        const QRect inside = l->contentsRect();
        const QRect r = fm.boundingRect(QRect(0, 0, inside.width(), 10000), Qt::TextWordWrap, text);
        // A word wider than the label is cut whatever the wrapping.
        int widest = 0;
        for (const QString& word : text.split(' ', Qt::SkipEmptyParts))
            widest = std::max(widest, fm.horizontalAdvance(word));
        return {std::max(widest, r.width()) + (l->width() - inside.width()), r.height() + (l->height() - inside.height())};
    }
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) return {w->sizeHint().width(), fm.height()};
    if (!qobject_cast<QAbstractButton*>(w)) return {fm.horizontalAdvance(text) + 12, fm.height()};  // a frame's title
    // A push button: its text with the style's margins.
    QStyleOptionButton opt;
    opt.initFrom(w);
    const int margin = w->style()->pixelMetric(QStyle::PM_ButtonMargin, &opt, w);
    return {fm.horizontalAdvance(text) + margin, fm.height()};
}

}  // namespace

TEST(Layout, TheWindowsFontIsInstalled) {
    app();
    EXPECT_TRUE(QFontDatabase::families().contains("Liberation Sans"))
        << "install fonts-liberation (scripts/deps.sh does)";
}

TEST(Layout, EveryCaptionFitsItsControl) {
    app();
    Session session{1};
    session.start();
    for (const char* name : Windows) session.form(name);
    gui::View view(session);
    view.sync();
    for (const char* name : Windows) {
        forms::Form& form = session.form(name);
        gui::FormView* window = view.window(form);
        ASSERT_NE(window, nullptr) << name;
        for (forms::Control* c : form.controls()) {
            QWidget* w = window->widget(*c);
            const QString text = QString::fromStdString(c->caption());
            if (!w || text.isEmpty()) continue;
            if (c->kind() == forms::Kind::TextBox) continue;
            const QSize need = needed(w, text);
            EXPECT_LE(need.width(), w->width()) << nameOf(*c) << " \"" << c->caption() << "\" is too wide";
            EXPECT_LE(need.height(), w->height()) << nameOf(*c) << " \"" << c->caption() << "\" is too tall";
        }
    }
}

// A box's figures are not cut at the top or bottom: the history's larger digits fit their rows.
TEST(Layout, EveryBoxIsTallEnoughForItsFont) {
    app();
    Session session{1};
    session.start();
    for (const char* name : Windows) session.form(name);
    gui::View view(session);
    view.sync();
    for (const char* name : Windows) {
        forms::Form& form = session.form(name);
        gui::FormView* window = view.window(form);
        for (forms::Control* c : form.controls()) {
            QWidget* w = window->widget(*c);
            if (!w || c->kind() != forms::Kind::TextBox) continue;
            const int frame = c->borderStyle() != 0 ? 2 * w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
            EXPECT_LE(w->fontMetrics().height(), w->height() - frame) << nameOf(*c) << " is too low for its font";
        }
    }
}
