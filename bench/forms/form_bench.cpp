// What a busy table costs the form runtime: painting the table surface with its cards and
// labels, one model change, and one hit test.

#include "forms/forms.h"
#include "forms/qt/surface_painter.h"
#include "platform/fake/fake_time_service.h"

#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

using namespace qv::forms;
using namespace Qt::StringLiterals;

// Text measuring and painting need a GUI application; one serves every benchmark.
void ensureApplication() {
    static int argc = 1;
    static char name[] = "forms_bench";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication app(argc, argv);
    }
}

// The table surface with four rows of 33 stretched cards and 40 Chinese labels.
class BusyTable : public Form {
public:
    explicit BusyTable(FormHost& host) : Form(host, u"BusyTable"_s) {
        move(0, 0, 15360, 11520);
        pic1.move(0, 0, 15360, 11520);
        pic1.setScaleMode(ScaleMode::Pixels);
        QImage background(1024, 768, QImage::Format_RGB32);
        background.fill(QColor(0, 128, 0));
        pic1.setPicture(background);
        QImage card(78, 103, QImage::Format_RGB32);
        card.fill(Qt::white);
        for (ControlArray<Image>* row : {&cards0, &cards1, &cards2, &cards3}) {
            (*row)[0].setStretch(true);
            (*row)[0].setPicture(card);
            (*row)[0].move(0, 0, 80, 108);
            for (int i = 1; i <= 32; ++i) {
                Image& element = row->load(i);
                element.move(20 + i * 25.0, 100 + row->count() * 2.0);
                element.setVisible(true);
            }
        }
        for (int i = 0; i < 40; ++i) {
            Label& label = labels.load(i);
            label.move(10 + (i % 4) * 250.0, 500 + (i / 4) * 20.0, 240, 20);
            label.setCaption(u"正在进入游戏 %1"_s.arg(i));
            label.setVisible(true);
        }
    }
    PictureBox pic1{*this, u"Pic1"_s};
    ControlArray<Image> cards0{pic1, u"cardImage0"_s};
    ControlArray<Image> cards1{pic1, u"cardImage1"_s};
    ControlArray<Image> cards2{pic1, u"cardImage2"_s};
    ControlArray<Image> cards3{pic1, u"cardImage3"_s};
    ControlArray<Label> labels{pic1, u"Nid"_s, std::initializer_list<int>{}};
};

struct Table {
    qv::platform::fake::FakeTimeService time;
    FormHost host{time};
    BusyTable& form = (ensureApplication(), host.get<BusyTable>());
};

void BM_PaintTableSurface(benchmark::State& state) {
    Table table;
    QImage target(1024, 768, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&target);
        qv::forms::qt::paintSurface(painter, table.form.pic1);
    }
}
BENCHMARK(BM_PaintTableSurface)->Unit(benchmark::kMillisecond);

void BM_RaiseAHandCard(benchmark::State& state) {
    Table table;
    int told = 0;
    table.form.setChangeListener([&told] { ++told; });
    Image& card = table.form.cards0[16];
    double top = 100;
    for (auto _ : state) {
        top = top == 100 ? 80 : 100;
        card.setTop(top);
    }
    benchmark::DoNotOptimize(told);
}
BENCHMARK(BM_RaiseAHandCard);

void BM_HitTestTheTable(benchmark::State& state) {
    Table table;
    int x = 0;
    for (auto _ : state) {
        x = (x + 37) % 1024;
        benchmark::DoNotOptimize(table.form.hitTest(QPointF(x, 150)));
    }
}
BENCHMARK(BM_HitTestTheTable);

} // namespace
