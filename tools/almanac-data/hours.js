'use strict';
// Writes the two tables beside Lumora's day table, and the sample the command-line tests
// compare the program with:
//   shichen       the thirteen double-hours of a day, keyed by the day's 干支 and the
//                 hour's index 0..12 (00:00 early 子 … 23:00 late 子): 60 × 13 lines
//   lumora_extra  per day 1901..2050: its 干支 (the key of its hours), duty god, lunar
//                 mansion and the gods' directions
//   sample        for a few dozen days spread over the range, what `lumora-cli hours`
//                 and the last lines of `lumora-cli almanac --full` print, each line as
//                 DATE, TAB, COMMAND, TAB, the printed line
// All three are tab-separated, LF line ends, no header, byte-identical on every run.
//
// Usage: node hours.js SHICHEN.tsv EXTRA.tsv SAMPLE.tsv
//
// A day's hours are stored once per 干支, so the run fails unless every day of the range
// has exactly the hours of the first day with its 干支.

const fs = require('fs');
const { LunarUtil } = require('lunar-javascript');
const { DAY_COUNT, days, isoDate, solarDay, checkFields } = require('./days');

const HOUR_COUNT = 13;
const HOUR_FIELDS = 8;
const EXTRA_FIELDS = 11;
const SAMPLE_SPREAD = 24; // evenly spaced days, the first and the last included
const SAMPLE_EXTRA = ['2015-06-09', '2000-02-29'];

function joinList(list) {
  const items = list.filter((item) => item !== '无');
  return items.length > 0 ? items.join(' ') : '无';
}

// The hour as `lumora-cli hours` prints it, the clash written like the day's.
function hourFields(t) {
  return [
    t.getMinHm() + '-' + t.getMaxHm(), t.getGanZhi(), t.getTianShen(),
    t.getTianShenType(), t.getTianShenLuck(),
    '冲' + t.getChongShengXiao() + '(' + t.getChongGan() + t.getChong() + ')煞' + t.getSha(),
    joinList(t.getYi()), joinList(t.getJi()),
  ];
}

function hoursOf(lunar, gn) {
  const times = lunar.getTimes();
  if (times.length !== HOUR_COUNT) {
    throw new Error(`${gn}: ${times.length} double-hours`);
  }
  return times.map((t, i) => {
    const fields = hourFields(t);
    checkFields(`${gn} hour ${i}`, fields, HOUR_FIELDS);
    return fields;
  });
}

function extraFields(lunar, gn) {
  const fields = [
    gn, lunar.getDayInGanZhi(), lunar.getDayTianShen(), lunar.getDayTianShenType(),
    lunar.getXiu() + lunar.getZheng() + lunar.getAnimal(), lunar.getXiuLuck(),
    lunar.getDayPositionXiDesc(), lunar.getDayPositionFuDesc(),
    lunar.getDayPositionCaiDesc(), lunar.getDayPositionYangGuiDesc(),
    lunar.getDayPositionYinGuiDesc(),
  ];
  checkFields(gn, fields, EXTRA_FIELDS);
  return fields;
}

// The three lines `almanac --full` adds after the entry.
function fullLines(extra) {
  const [, , god, godType, mansion, mansionLuck, xi, fu, cai, yangGui, yinGui] = extra;
  return [
    `值神:${god}(${godType})`,
    `星宿:${mansion}(${mansionLuck})`,
    `吉神方位:喜神${xi} 福神${fu} 财神${cai} 阳贵${yangGui} 阴贵${yinGui}`,
  ];
}

function sampleDates() {
  const picked = new Set(SAMPLE_EXTRA);
  for (let i = 0; i < SAMPLE_SPREAD; i++) {
    picked.add(Math.round((i * (DAY_COUNT - 1)) / (SAMPLE_SPREAD - 1)));
  }
  return picked;
}

function generate() {
  const hoursByGanZhi = new Map();
  const extraLines = [];
  const sampleLines = [];
  const sample = sampleDates();
  let index = 0;
  for (const [y, m, d] of days()) {
    const gn = isoDate(y, m, d);
    const lunar = solarDay(y, m, d).getLunar();
    const hours = hoursOf(lunar, gn);
    const ganZhi = lunar.getDayInGanZhi();
    const text = hours.map((h) => h.join('\t')).join('\n');
    const first = hoursByGanZhi.get(ganZhi);
    if (first === undefined) {
      hoursByGanZhi.set(ganZhi, { gn, hours, text });
    } else if (first.text !== text) {
      throw new Error(`${gn} (${ganZhi}): its hours differ from those of ${first.gn}`);
    }
    const extra = extraFields(lunar, gn);
    extraLines.push(extra.join('\t') + '\n');
    if (sample.has(index) || sample.has(gn)) {
      for (const h of hours) sampleLines.push(`${gn}\thours\t${h.join('\t')}\n`);
      for (const line of fullLines(extra)) sampleLines.push(`${gn}\tfull\t${line}\n`);
    }
    index++;
  }
  if (extraLines.length !== DAY_COUNT) throw new Error(`wrote ${extraLines.length} days`);

  const shichenLines = [];
  for (const ganZhi of LunarUtil.JIA_ZI) {
    const day = hoursByGanZhi.get(ganZhi);
    if (day === undefined) throw new Error(`no day is ${ganZhi}`);
    day.hours.forEach((h, i) => shichenLines.push([ganZhi, String(i), ...h].join('\t') + '\n'));
  }
  return {
    shichen: shichenLines.join(''),
    extra: extraLines.join(''),
    sample: sampleLines.join(''),
  };
}

function main() {
  const targets = process.argv.slice(2);
  if (targets.length !== 3) {
    process.stderr.write('usage: node hours.js SHICHEN.tsv EXTRA.tsv SAMPLE.tsv\n');
    process.exitCode = 1;
    return;
  }
  const { shichen, extra, sample } = generate();
  [shichen, extra, sample].forEach((text, i) => fs.writeFileSync(targets[i], text, 'utf8'));
}

main();
