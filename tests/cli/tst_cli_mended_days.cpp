#include "CliRun.h"
#include "cli/Cli.h"

#include <QtTest>

using namespace lumora;

// Days whose lists of gods or 宜 the day table mends (tools/almanac-data/mends.tsv),
// read back through the almanac command. Each row pins the 岁次 line too, so a day
// that lands in another month or on another 干支 fails here rather than passing by luck.
class TestCliMendedDays : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void mendedListsArePrinted_data()
    {
        QTest::addColumn<QStringList>("date");
        QTest::addColumn<QString>("suici");
        QTest::addColumn<QString>("jiShen");
        QTest::addColumn<QString>("yi");
        QTest::addColumn<QString>("xiongSha");

        // The library copied the 庚寅 row here; both lists of gods are rebuilt.
        QTest::newRow("2015-11-09 亥月 己丑")
            << QStringList{"almanac", "2015", "11", "09"} << "岁次:乙未年 丁亥月 己丑日"
            << "吉神宜趋:月德合 守日 天巫 福德 玉宇 玉堂"
            << "宜:开光 裁衣 安门 会亲友 安床 结网 理发"
            << "凶神宜忌:月厌 地火 九空 大煞 归忌";
        // 诸事不宜 dropped from 宜. Lunar 正月 but past 惊蛰: the key is the 节 month, 卯.
        QTest::newRow("2015-03-17 卯月 壬辰")
            << QStringList{"almanac", "2015", "03", "17"} << "岁次:乙未年 己卯月 壬辰日"
            << "吉神宜趋:守日 吉期"
            << "宜:塞穴 整手足甲 解除 捕捉 畋猎 结网 馀事勿取"
            << "凶神宜忌:月害 天刑";
        // 诸事不宜 sat in the middle of this long 宜 list.
        QTest::newRow("2016-04-24 辰月 丙子")
            << QStringList{"almanac", "2016", "04", "24"} << "岁次:丙申年 壬辰月 丙子日"
            << "吉神宜趋:月空 母仓 四相 三合 天喜 天医 天仓 不将 圣心 鸣吠对"
            << "宜:祭祀 祈福 求嗣 斋醮 纳采 订盟 开光 竖柱 上梁 开仓 出货财 盖屋 起基 定磉 安门 破土 入殓 启钻 谢土"
            << "凶神宜忌:归忌 触水龙 天牢";
        // The library had the activity 解除 where the god 解神 belongs.
        QTest::newRow("2018-01-02 子月 甲午")
            << QStringList{"almanac", "2018", "01", "02"} << "岁次:丁酉年 壬子月 甲午日"
            << "吉神宜趋:月恩 四相 阳德 六仪 续世 解神 司命 鸣吠"
            << "宜:祭祀 求医 破屋 坏垣 馀事勿取"
            << "凶神宜忌:月破 大耗 灾煞 天火 厌对 招摇 五虚 血忌";
        // The library had the day officer 成日 where 重日 belongs.
        QTest::newRow("2018-10-04 酉月 己巳")
            << QStringList{"almanac", "2018", "10", "04"} << "岁次:戊戌年 辛酉月 己巳日"
            << "吉神宜趋:三合 临日 天喜 天医 普护"
            << "宜:祭祀 会亲友 进人口 动土 上梁 开光 塑绘 冠笄 拆卸 起基 安床 开市 立券 赴任 经络"
            << "凶神宜忌:重日 朱雀";
    }
    void mendedListsArePrinted()
    {
        QFETCH(QStringList, date);
        QFETCH(QString, suici);
        QFETCH(QString, jiShen);
        QFETCH(QString, yi);
        QFETCH(QString, xiongSha);

        const CliRun result = run(date);
        QCOMPARE(result.status, int(ExitOk));
        QVERIFY(result.err.isEmpty());
        const QStringList lines = result.out.split('\n');
        QCOMPARE(lines.size(), 19);
        QCOMPARE(lines[1], suici);
        QCOMPARE(lines[11], jiShen);
        QCOMPARE(lines[13], yi);
        QCOMPARE(lines[15], xiongSha);
    }
};

QTEST_GUILESS_MAIN(TestCliMendedDays)
#include "tst_cli_mended_days.moc"
