// A window that commits two changes and then runs until it is killed; the
// process test kills it with SIGKILL and reads the state dump it left. The
// settings folder comes from TARVEL3_HOME; the unit is simulated in-process.
//   tune_autosave_child LIMITER BASE_ADVANCE
#include <QApplication>
#include <QLineEdit>

#include <cstdio>

#include "TFormHlav.h"
#include "link/SimulatedUnitDevice.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    tarvel::TFormHlav window(nullptr, std::make_unique<tarvel::link::SimulatedUnitDevice>());
    window.FormCreate({}, QApplication::applicationDirPath());
    window.show();
    auto commit = [&window](const char* edit, const char* text) {
        window.findChild<QLineEdit*>(QString::fromLatin1(edit))->setText(QString::fromLatin1(text));
        window.ReadControls();
        window.CommitChange();
    };
    // The second commit comes within the second after the first: it waits
    // for the next free write and must still reach the dump.
    commit("EditOmez2", argv[1]);
    commit("EditBaseAdv", argv[2]);
    std::printf("committed %d %d\n", window.image()[tarvel::fld::limiter], window.image()[tarvel::fld::baseAdvance]);
    std::fflush(stdout);
    return QApplication::exec();
}
