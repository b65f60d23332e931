#include "FreshRun.h"

#include "common/modScriptingDic.h"
#include "support/RaisedError.h"

#include <QPoint>
#include <gtest/gtest.h>

using common::Dictionary;
using modScriptingDic::fncCreateDic;
using modScriptingDic::fncSortDictionary;

TEST(Dictionary, KeysIgnoreCaseAndKeepTheirOrder)
{
    FreshRun run;
    Dictionary<QString> dic = fncCreateDic<QString>();
    EXPECT_EQ(dic.CompareMode(), 1);
    dic.Add(QStringLiteral("abc"), QStringLiteral("1"));
    dic.Add(QStringLiteral("\u00c4rger"), QStringLiteral("2"));
    dic.Add(QStringLiteral("zed"), QStringLiteral("3"));
    EXPECT_EQ(errorOf([&] { dic.Add(QStringLiteral("ABC"), QStringLiteral("x")); }), platform::err::KeyAlreadyExists);
    EXPECT_EQ(errorOf([&] { dic.Add(QStringLiteral("\u00e4rger"), QStringLiteral("x")); }),
              platform::err::KeyAlreadyExists);
    EXPECT_TRUE(dic.Exists(QStringLiteral("Abc")));
    EXPECT_EQ(dic.Item(QStringLiteral("ZED")), QStringLiteral("3"));

    dic.Remove(QStringLiteral("\u00c4RGER"));
    EXPECT_EQ(dic.Keys(), (QStringList{QStringLiteral("abc"), QStringLiteral("zed")}));
    EXPECT_EQ(dic.Item(QStringLiteral("zed")), QStringLiteral("3"));   // index still right after removal
    dic.setItem(QStringLiteral("new"), QStringLiteral("4"));
    dic.setItem(QStringLiteral("ABC"), QStringLiteral("5"));
    EXPECT_EQ(dic.Items(), (QList<QString>{QStringLiteral("5"), QStringLiteral("3"), QStringLiteral("4")}));

    EXPECT_EQ(errorOf([&] { dic.Item(QStringLiteral("missing")); }), platform::err::ElementNotFound);
    EXPECT_EQ(errorOf([&] { dic.Remove(QStringLiteral("missing")); }), platform::err::ElementNotFound);
    EXPECT_EQ(dic.Count(), 3);   // reading a missing key adds nothing
    dic.RemoveAll();
    EXPECT_EQ(dic.Count(), 0);
}

TEST(Dictionary, SortingByKeyOrItemEmptiesTheInputAndDropsEmptyKeys)
{
    FreshRun run;
    Dictionary<QString> cubes = fncCreateDic<QString>();
    cubes.Add(QStringLiteral("beta"), QStringLiteral("/d/beta.cub"));
    cubes.Add(QString(), QStringLiteral("/d/.cub"));
    cubes.Add(QStringLiteral("Alpha"), QStringLiteral("/d/Alpha.cub"));
    cubes.Add(QStringLiteral("gamma"), QStringLiteral("/d/gamma.cub"));
    Dictionary<QString> sorted = fncSortDictionary(cubes, 1);
    EXPECT_EQ(sorted.Keys(), (QStringList{QStringLiteral("Alpha"), QStringLiteral("beta"), QStringLiteral("gamma")}));
    EXPECT_EQ(sorted.Item(QStringLiteral("alpha")), QStringLiteral("/d/Alpha.cub"));
    EXPECT_EQ(cubes.Count(), 0);
    EXPECT_EQ(modErroHandling::fncGetLastStep(),
              QStringLiteral("Attempting to create a new Scripting.Dictionary object. This component is usually "
                             "installed with Internet Explorer 4.0 or later"));

    Dictionary<QVariant> byItem = fncCreateDic();
    byItem.Add(QStringLiteral("k1"), QStringLiteral("pear"));
    byItem.Add(QStringLiteral("k2"), QStringLiteral("Apple"));
    byItem.Add(QStringLiteral("k3"), 7);
    EXPECT_EQ(fncSortDictionary(byItem, 2).Keys(),
              (QStringList{QStringLiteral("k3"), QStringLiteral("k2"), QStringLiteral("k1")}));

    Dictionary<QVariant> uncomparable = fncCreateDic();
    uncomparable.Add(QStringLiteral("a"), QVariant(QPoint(1, 2)));
    uncomparable.Add(QStringLiteral("b"), QStringLiteral("y"));
    EXPECT_TRUE(run.ends([&] { fncSortDictionary(uncomparable, 2); }));
    EXPECT_TRUE(modErroHandling::gstrErrorReport.contains(QStringLiteral("Sub routine : fncSortDictionary ")));
}
