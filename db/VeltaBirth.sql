-- The almanac data file: one row per day, the double-hours of each day's 干支, the further
-- facts of each day, and the zodiac pairing texts.
CREATE TABLE lumora (
  gn TEXT PRIMARY KEY,
  nn TEXT, suici TEXT, tszf TEXT, wuhang TEXT, cong TEXT,
  pzbj TEXT, jsyq TEXT, yi TEXT, xsyq TEXT, ji TEXT
);
-- The thirteen double-hours of a day, by the day's 干支 and the hour 0 (00:00 early 子)
-- to 12 (23:00 late 子).
CREATE TABLE shichen (
  rgz TEXT, idx INTEGER,
  shiduan TEXT, ganzhi TEXT, tianshen TEXT, huangdao TEXT, jixiong TEXT,
  cong TEXT, yi TEXT, ji TEXT,
  PRIMARY KEY (rgz, idx)
);
-- Per day: its 干支, which keys its double-hours, the duty god and whether it is 黄道 or 黑道, the lunar mansion and its luck,
-- the directions of the gods of joy, fortune and wealth and of the two nobles.
CREATE TABLE lumora_extra (
  gn TEXT PRIMARY KEY, rgz TEXT,
  zhishen TEXT, huangdao TEXT, xiu TEXT, xiuluck TEXT,
  xishen TEXT, fushen TEXT, caishen TEXT, yanggui TEXT, yingui TEXT
);
CREATE TABLE shuxianglove (
  shengxiao1 TEXT, shengxiao2 TEXT, title TEXT,
  content1 TEXT, content2 TEXT, content3 TEXT, content4 TEXT,
  PRIMARY KEY (shengxiao1, shengxiao2)
);
