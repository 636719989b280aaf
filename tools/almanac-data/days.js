'use strict';
// The walk over every day of Lumora's tables, 1901-01-01 to 2050-12-31, shared by the
// generators so that they cover the same days in the same order.

const { Solar } = require('lunar-javascript');

const FIRST_YEAR = 1901;
const LAST_YEAR = 2050;
// 150 years of 365 days plus the 37 leap days from 1904 to 2048.
const DAY_COUNT = 150 * 365 + 37;

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

function isoDate(y, m, d) {
  return `${pad(y, 4)}-${pad(m, 2)}-${pad(d, 2)}`;
}

function* days() {
  for (let y = FIRST_YEAR; y <= LAST_YEAR; y++) {
    for (let m = 1; m <= 12; m++) {
      const n = daysInMonth(y, m);
      for (let d = 1; d <= n; d++) yield [y, m, d];
    }
  }
}

// The library's day; it must agree with our own calendar walk, or every field read from
// it would describe some other day.
function solarDay(y, m, d) {
  const s = Solar.fromYmd(y, m, d);
  if (s.getYear() !== y || s.getMonth() !== m || s.getDay() !== d) {
    throw new Error(`library moved ${y}-${m}-${d} to ${s.toYmd()}`);
  }
  return s;
}

// Throws unless every field is a one-line string: anything else (undefined from a
// missing table entry, say) would otherwise be written as literal text.
function checkFields(where, fields, count) {
  if (fields.length !== count) {
    throw new Error(`${where}: ${fields.length} fields, want ${count}`);
  }
  fields.forEach((f, i) => {
    if (typeof f !== 'string') {
      throw new Error(`${where}: field ${i} is ${typeof f}`);
    }
    if (/[\t\r\n]/.test(f)) {
      throw new Error(`${where}: field ${i} holds a tab or line break`);
    }
    if (f.includes('undefined')) {
      throw new Error(`${where}: field ${i} reads "${f}"`);
    }
  });
}

module.exports = { DAY_COUNT, days, isoDate, solarDay, checkFields };
