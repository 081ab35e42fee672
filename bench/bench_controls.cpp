// Making the question window's date-input control by class id, through the
// registration store and the library's factory (the library loaded once),
// beside constructing the same control class linked straight into this
// program. Each control is made, takes the properties kept with the window's
// design and gets its window, as the question window's place does.

#include "BenchRun.h"
#include "support/TestContainer.h"

#include "controls/dateinput/CQvindatCtrl.h"
#include "controls/dateinput/QvindatClasses.h"
#include "platform/com/Control.h"
#include "platform/com/Persist.h"
#include "platform/com/Registration.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QWidget>

#include <vector>

namespace {

constexpr int controlsPerRun = 1000;

QByteArray designedProperties()
{
    QFile file(QStringLiteral(DRILLBOOK_DESIGNED_PROPERTIES));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Loads the design's properties into a made control and gives it its window.
bool place(com::Dispatch* object, const QByteArray& properties, QWidget& parent)
{
    auto control = com::Ptr<com::Control>::query(object);
    auto persist = com::Ptr<com::PersistStream>::query(object);
    if (!control || !persist)
        return false;
    QBuffer stream;
    stream.setData(properties);
    stream.open(QIODevice::ReadOnly);
    QWidget* window = nullptr;
    return com::succeeded(persist->load(&stream)) && com::succeeded(control->createWindow(&parent, {0, 0, 112, 24}, &window));
}

void release(std::vector<com::Ptr<com::Dispatch>>& made)
{
    for (auto& object : made)
        if (auto control = com::Ptr<com::Control>::query(object.get()))
            control->destroyWindow();
    made.clear();
}

template <class Make>
void run(benchmark::State& state, Make make)
{
    const QByteArray properties = designedProperties();
    if (properties.isEmpty()) {
        state.SkipWithError("the design's properties are missing");
        return;
    }
    QWidget parent;
    std::vector<com::Ptr<com::Dispatch>> made;
    made.reserve(controlsPerRun);
    for (auto _ : state) {
        for (int i = 0; i < controlsPerRun; ++i) {
            made.push_back(make());
            if (!made.back() || !place(made.back().get(), properties, parent)) {
                state.SkipWithError("a control could not be made");
                release(made);
                return;
            }
        }
        state.PauseTiming();
        release(made);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * controlsPerRun);
}

void BM_DateInputByClassId(benchmark::State& state)
{
    testsupport::TestContainer container;
    if (com::failed(com::registerLibrary(QStringLiteral(DRILLBOOK_QVINDAT)))) {
        state.SkipWithError("the library could not be registered");
        return;
    }
    com::ClassLoader& loader = container.loader();
    run(state, [&] { return loader.create<com::Dispatch>(qvindat::controlClass); });
}
BENCHMARK(BM_DateInputByClassId)->Unit(benchmark::kMillisecond);

// The plain way: the control's class linked in and constructed directly.
void BM_DateInputConstructedDirectly(benchmark::State& state)
{
    run(state, [] {
        auto* control = new qvindat::CQvindatCtrl;
        return com::Ptr<com::Dispatch>::query(static_cast<com::Dispatch*>(control));
    });
}
BENCHMARK(BM_DateInputConstructedDirectly)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return benchrun::run<QApplication>(argc, argv);
}
