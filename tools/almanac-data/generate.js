'use strict';
// Writes Lumora's day table: one line per day from 1901-01-01 to 2050-12-31,
// eleven tab-separated fields, LF line ends, no header. The output must be
// byte-identical on every run, so nothing here depends on time zone, locale
// or the current date.
//
// Usage: node generate.js [output-path]   (stdout when no path is given)
//
// The library's lists of gods and of 宜 are mended by key from mends.tsv; the
// report of the mends goes to stderr, and the run fails if any mend could not
// be applied.

const fs = require('fs');
const path = require('path');
const { DAY_COUNT, days, isoDate, solarDay, checkFields } = require('./days');

const FIELD_COUNT = 11;

function joinList(list) {
  return list.join(' ');
}

// Positions in a day's fields of the lists a mend may replace.
const MENDABLE = { jsyq: 7, yi: 8, xsyq: 9 };
const MENDS_FILE = path.join(__dirname, 'mends.tsv');
const MEND_COLUMNS = ['key', 'field', 'current', 'mended', 'rule'];

// The library looks these lists up by the month branch and the day 干支, so
// one mend covers every day with that key: "亥月 己丑".
function mendKey(lunar) {
  return lunar.getMonthZhi() + '月 ' + lunar.getDayInGanZhi();
}

function readMends(file) {
  const lines = fs.readFileSync(file, 'utf8').split('\n');
  if (lines[lines.length - 1] === '') lines.pop();
  if (lines.shift() !== MEND_COLUMNS.join('\t')) {
    throw new Error(`${file}: header is not ${MEND_COLUMNS.join(', ')}`);
  }
  const mends = [];
  const seen = new Set();
  lines.forEach((line, i) => {
    const where = `${file}:${i + 2}`;
    const cols = line.split('\t');
    if (cols.length !== MEND_COLUMNS.length || cols.some((c) => c === '')) {
      throw new Error(`${where}: want ${MEND_COLUMNS.length} non-empty columns`);
    }
    const [key, field, current, mended] = cols;
    if (!/^[子丑寅卯辰巳午未申酉戌亥]月 [甲乙丙丁戊己庚辛壬癸][子丑寅卯辰巳午未申酉戌亥]$/.test(key)) {
      throw new Error(`${where}: key "${key}" is not like "寅月 辛未"`);
    }
    if (!(field in MENDABLE)) throw new Error(`${where}: no field "${field}"`);
    if (current === mended) throw new Error(`${where}: mends nothing`);
    if (seen.has(key + field)) throw new Error(`${where}: ${key} ${field} again`);
    seen.add(key + field);
    mends.push({ key, field, current, mended, changed: 0, refused: new Map() });
  });
  return mends;
}

function groupByKey(mends) {
  const byKey = new Map();
  for (const mend of mends) {
    if (!byKey.has(mend.key)) byKey.set(mend.key, []);
    byKey.get(mend.key).push(mend);
  }
  return byKey;
}

// Applies a mend only where the library still returns the list it was written
// against: a later release that corrects the row, or changes it some other
// way, must be looked at again rather than silently overwritten.
function applyMends(fields, mends) {
  let changed = false;
  for (const mend of mends) {
    const at = MENDABLE[mend.field];
    if (fields[at] === mend.current) {
      fields[at] = mend.mended;
      mend.changed++;
      changed = true;
    } else {
      const dates = mend.refused.get(fields[at]) || [];
      dates.push(fields[0]);
      mend.refused.set(fields[at], dates);
    }
  }
  return changed;
}

// Writes what the mends did to stderr and returns whether all of them were
// applied on every day of their key.
function reportMends(mends, daysChanged) {
  const log = (line) => process.stderr.write(line + '\n');
  const perField = {};
  let skipped = 0;
  log(`mends: ${mends.length} from ${path.basename(MENDS_FILE)}`);
  for (const mend of mends) {
    perField[mend.field] = (perField[mend.field] || 0) + mend.changed;
    const ok = mend.changed > 0 && mend.refused.size === 0;
    log(`  ${mend.key} ${mend.field}: ${mend.changed} days${ok ? '' : ' SKIPPED'}`);
    if (ok) continue;
    skipped++;
    if (mend.changed === 0 && mend.refused.size === 0) {
      log('    no day has this key');
    }
    for (const [list, dates] of mend.refused) {
      log(`    ${dates.length} days (first ${dates[0]}) the library returns: ${list}`);
      log(`    mends.tsv expects: ${mend.current}`);
    }
  }
  const fieldTotals = Object.keys(MENDABLE)
    .map((f) => `${f} ${perField[f] || 0}`).join(', ');
  log(`days changed per field: ${fieldTotals}`);
  log(`days changed in all: ${daysChanged}`);
  log(`mends skipped: ${skipped}`);
  return skipped === 0;
}

function dayFields(y, m, d, mendsByKey) {
  const s = solarDay(y, m, d);
  const l = s.getLunar();
  const gn = isoDate(y, m, d);

  let nn = '农历' + l.getYearInGanZhi() + '年' + l.getMonthInChinese() + '月' +
    l.getDayInChinese() + ' 星期' + s.getWeekInChinese();
  const extras = [...l.getFestivals(), ...s.getFestivals()];
  const jieQi = l.getJieQi();
  if (jieQi) extras.push(jieQi);
  if (extras.length > 0) nn += ' ' + extras.join(' ');

  const suici = l.getYearInGanZhi() + '年 ' + l.getMonthInGanZhi() + '月 ' +
    l.getDayInGanZhi() + '日';
  const tszf = l.getDayPositionTai();
  const wuhang = l.getDayNaYin() + ' ' + l.getZhiXing() + '执位';
  const cong = '冲' + l.getDayChongShengXiao() + '(' + l.getDayChongGan() +
    l.getDayChong() + ')煞' + l.getDaySha();
  const pzbj = l.getPengZuGan() + ' ' + l.getPengZuZhi();

  const fields = [
    gn, nn, suici, tszf, wuhang, cong, pzbj,
    joinList(l.getDayJiShen()), joinList(l.getDayYi()),
    joinList(l.getDayXiongSha()), joinList(l.getDayJi()),
  ];
  const mended = applyMends(fields, mendsByKey.get(mendKey(l)) || []);
  return { fields, mended };
}

function generate(mends) {
  const byKey = groupByKey(mends);
  const lines = [];
  let daysMended = 0;
  for (const [y, m, d] of days()) {
    const { fields, mended } = dayFields(y, m, d, byKey);
    if (mended) daysMended++;
    checkFields(fields[0], fields, FIELD_COUNT);
    lines.push(fields.join('\t') + '\n');
  }
  if (lines.length !== DAY_COUNT) {
    throw new Error(`wrote ${lines.length} days`);
  }
  return { text: lines.join(''), daysMended };
}

function main() {
  const mends = readMends(MENDS_FILE);
  const { text: out, daysMended } = generate(mends);
  if (!reportMends(mends, daysMended)) {
    process.stderr.write('not written: mends.tsv no longer fits the library\n');
    process.exitCode = 1;
    return;
  }
  const target = process.argv[2];
  if (target) {
    fs.writeFileSync(target, out, 'utf8');
  } else {
    process.stdout.write(out);
  }
}

main();
