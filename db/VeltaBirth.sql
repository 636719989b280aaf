-- The almanac data file: one row per day, and the zodiac pairing texts.
CREATE TABLE lumora (
  gn TEXT PRIMARY KEY,
  nn TEXT, suici TEXT, tszf TEXT, wuhang TEXT, cong TEXT,
  pzbj TEXT, jsyq TEXT, yi TEXT, xsyq TEXT, ji TEXT
);
CREATE TABLE shuxianglove (
  shengxiao1 TEXT, shengxiao2 TEXT, title TEXT,
  content1 TEXT, content2 TEXT, content3 TEXT, content4 TEXT,
  PRIMARY KEY (shengxiao1, shengxiao2)
);
