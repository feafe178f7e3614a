#include "aux/form2.h"

#include <string_view>

#include "forms/convert.h"
#include "shell/session.h"

Form2::Form2() : forms::Form("Form2") {
    setCaption("Form2");
    setGeometry({0, 0, 312, 213});
    static constexpr std::string_view Names[] = {"a", "c", "m", "Rn-1"};
    for (int i = 0; i < 4; ++i) {
        Label1.add(i).design(std::string(Names[i])).at(16, 12 + i * 30, 40, 20);
        Text1.add(i).at(64, 10 + i * 30, 100, 22);
    }
    Label1.add(4).design("Rn=(a.Rn-1+c)mod m").at(176, 12, 128, 20);
    Command1.design("Calc next NB").at(176, 38, 112, 28);
    Text1.add(4).at(176, 76, 112, 22);
}

std::optional<int64_t> nextValue(int32_t a, int32_t rn1, int32_t c, int32_t m) {
    if (m == 0) return std::nullopt;
    return (int64_t{a} * rn1 + c) % m;
}

void attachForm2(Session&, Form2& f) {
    f.Command1.onClick = [&f] {
        std::optional<int32_t> in[4];
        for (int i = 0; i < 4; ++i)
            if (forms::isWholeNumberText(f.Text1[i].text())) in[i] = forms::toInt(f.Text1[i].text());
        const auto next = in[0] && in[1] && in[2] && in[3] ? nextValue(*in[0], *in[3], *in[1], *in[2]) : std::nullopt;
        // No answer is better than a stale one standing beside new inputs.
        if (!next) {
            f.Text1[4].setText("");
            return;
        }
        f.a = *in[0];
        f.c = *in[1];
        f.m = *in[2];
        f.rn1 = *in[3];
        f.rn = *next;
        f.Text1[4].setNumber(f.rn);
    };
}
