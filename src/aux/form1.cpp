#include "aux/form1.h"

#include "shell/session.h"

Form1::Form1() : forms::Form("Form1") {
    setCaption("Form1");
    setGeometry({0, 0, 312, 214});
    setBorderStyle(0);
    setBackColor(0x8000000A);
    Text1.at(216, 8, 81, 25);
    Command1.design("Command1").at(16, 160, 96, 30);
    Command2.design("Command2").at(128, 160, 96, 30);
    Label1.design("adsfaadsf").designColors(0x8000000E, forms::colors::ButtonFace).at(16, 16, 120, 24);
    Label1.setFont(12, false);
    Label1.setVisible(false);
}

void TextTrans(Form1& f, forms::Control& box) {
    box.setTransparent(true);
    ++f.textTransCalls;
}

void attachForm1(Session&, Form1& f) {
    f.Command1.onClick = [&f] {
        TextTrans(f, f.Text1);
        f.TextTransOn = true;
    };
    auto again = [&f] {
        if (f.TextTransOn) TextTrans(f, f.Text1);
    };
    f.Text1.onChange = again;
    f.Text1.onKeyPress = [again](int&) { again(); };
    f.Text1.onMouseMove = again;
}
