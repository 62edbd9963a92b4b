#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/controls.h"
#include "platform/dialog.h"

namespace {

TEST(FindControl, FindsNestedControlsButNotThoseOfOwnedDialogs) {
    platform::Dialog outer;
    // The owned dialog comes first among the children, so a search that
    // descended into it would find its controls before the outer ones.
    auto* owned = new platform::Dialog(&outer);
    auto* ownedSame = new QLineEdit(owned);
    platform::setControlId(ownedSame, 1001);
    auto* ownedOnly = new QLineEdit(new QGroupBox(owned));
    platform::setControlId(ownedOnly, 1002);

    auto* layout = new QVBoxLayout(&outer);
    auto* group = new QGroupBox(QStringLiteral("Ausdehnung"));
    layout->addWidget(group);
    auto* inGroup = new QLineEdit(group);
    platform::setControlId(inGroup, 1001);
    auto* label = new QLabel(QStringLiteral("Breite"));
    layout->addWidget(label);
    platform::setControlId(label, 1200);

    EXPECT_EQ(platform::findControl(&outer, 1001), inGroup);
    EXPECT_EQ(platform::findControl(&outer, 1200), label);
    EXPECT_EQ(platform::findControl(&outer, 1002), nullptr);
    EXPECT_EQ(platform::findControl(&outer, 9999), nullptr);
    EXPECT_EQ(platform::findControl(owned, 1001), ownedSame);
    EXPECT_EQ(platform::findControl(owned, 1002), ownedOnly);
    EXPECT_EQ(outer.control<QLineEdit>(1001), inGroup);
    EXPECT_EQ(platform::findControlAs<QLineEdit>(&outer, 1200), nullptr);  // a label
    EXPECT_EQ(platform::findControl(nullptr, 1001), nullptr);
}

}  // namespace
