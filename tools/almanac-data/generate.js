'use strict';
// Writes Lumora's day table: one line per day from 1901-01-01 to 2050-12-31,
// eleven tab-separated fields, LF line ends, no header. The output must be
// byte-identical on every run, so nothing here depends on time zone, locale
// or the current date.
//
// Usage: node generate.js [output-path]   (stdout when no path is given)

const fs = require('fs');
const { Solar } = require('lunar-javascript');

const FIRST_YEAR = 1901;
const LAST_YEAR = 2050;
const FIELD_COUNT = 11;

function isLeapYear(y) {
  return (y % 4 === 0 && y % 100 !== 0) || y % 400 === 0;
}

function daysInMonth(y, m) {
  if (m === 2) return isLeapYear(y) ? 29 : 28;
  return [4, 6, 9, 11].includes(m) ? 30 : 31;
}

function pad(n, width) {
  return String(n).padStart(width, '0');
}

function joinList(list) {
  return list.join(' ');
}

function dayFields(y, m, d) {
  const s = Solar.fromYmd(y, m, d);
  const l = s.getLunar();

  // The library must agree with our own calendar walk; a mismatch would mean
  // every later field describes some other day.
  if (s.getYear() !== y || s.getMonth() !== m || s.getDay() !== d) {
    throw new Error(`library moved ${y}-${m}-${d} to ${s.toYmd()}`);
  }

  const gn = `${pad(y, 4)}-${pad(m, 2)}-${pad(d, 2)}`;

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

  return [
    gn, nn, suici, tszf, wuhang, cong, pzbj,
    joinList(l.getDayJiShen()), joinList(l.getDayYi()),
    joinList(l.getDayXiongSha()), joinList(l.getDayJi()),
  ];
}

function* days() {
  for (let y = FIRST_YEAR; y <= LAST_YEAR; y++) {
    for (let m = 1; m <= 12; m++) {
      const n = daysInMonth(y, m);
      for (let d = 1; d <= n; d++) yield [y, m, d];
    }
  }
}

function generate() {
  const lines = [];
  for (const [y, m, d] of days()) {
    const fields = dayFields(y, m, d);
    if (fields.length !== FIELD_COUNT) {
      throw new Error(`${fields[0]}: ${fields.length} fields`);
    }
    fields.forEach((f, i) => {
      // Anything but a string (undefined from a missing table entry, say)
      // would otherwise be written as literal text.
      if (typeof f !== 'string') {
        throw new Error(`${fields[0]}: field ${i} is ${typeof f}`);
      }
      if (/[\t\r\n]/.test(f)) {
        throw new Error(`${fields[0]}: field ${i} holds a tab or line break`);
      }
      if (f.includes('undefined')) {
        throw new Error(`${fields[0]}: field ${i} reads "${f}"`);
      }
    });
    lines.push(fields.join('\t') + '\n');
  }
  // 150 years of 365 days plus the 37 leap days from 1904 to 2048.
  if (lines.length !== 150 * 365 + 37) {
    throw new Error(`wrote ${lines.length} days`);
  }
  return lines.join('');
}

function main() {
  const out = generate();
  const target = process.argv[2];
  if (target) {
    fs.writeFileSync(target, out, 'utf8');
  } else {
    process.stdout.write(out);
  }
}

main();
