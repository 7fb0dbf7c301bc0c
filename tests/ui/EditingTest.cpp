#include <QTabWidget>

#include "WindowFixture.h"

namespace tarvel::test {

using Editing = WindowFixture;

TEST_F(Editing, NothingToUndoOrRedoRightAfterStartUp)
{
    EXPECT_FALSE(action(QStringLiteral("MenuZpet"))->isEnabled());
    EXPECT_FALSE(action(QStringLiteral("MenuZnovu"))->isEnabled());
}

}  // namespace tarvel::test
