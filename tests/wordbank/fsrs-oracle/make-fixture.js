// Writes fsrs_cases.tsv: review sequences scored by ts-fsrs, the reference
// the C++ memory model is held to. Re-run only when the fixture must change:
//   npm ci && node make-fixture.js > fsrs_cases.tsv
'use strict';
const { fsrs, forgetting_curve, default_w, FSRSVersion } = require('ts-fsrs');

// Retention 0.90 and no interval fuzz. Short-term on: a second review on the
// same day takes the same-day stability formula (off, it would count as a
// recall at R = 1 and leave the stability as it was).
const scheduler = fsrs({ request_retention: 0.9, enable_fuzz: false, enable_short_term: true });

// A seeded generator, so a re-run writes the same table.
let seed = 20251211;
function rnd() {
  seed = (seed + 0x6d2b79f5) | 0;
  let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
  t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
const pick = (n) => Math.floor(rnd() * n);

// Mostly Again/Hard/Good, which the games give; Easy now and then.
function grade() {
  const x = rnd();
  return x < 0.25 ? 1 : x < 0.45 ? 2 : x < 0.93 ? 3 : 4;
}

// Gaps: the same day, around the scheduled interval, early, late, very late.
function gap(interval) {
  const x = rnd();
  if (x < 0.2) return 0;
  if (x < 0.5) return interval;
  if (x < 0.65) return 1 + pick(Math.max(1, interval));
  if (x < 0.85) return interval + 1 + pick(3 * interval + 5);
  return 100 + pick(1500);
}

const lines = [];
lines.push(`# ${FSRSVersion}; w = ${default_w.join(',')}`);
lines.push('# seq\tstep\telapsed\tgrade\tretrievability\tstability\tdifficulty\tinterval');

// Every first grade, every grade after one day and on the same day.
const fixed = [];
for (let g0 = 1; g0 <= 4; g0++) {
  fixed.push([[0, g0]]);
  for (let g1 = 1; g1 <= 4; g1++) {
    fixed.push([[0, g0], [0, g1]]);
    fixed.push([[0, g0], [1, g1]]);
  }
}
// Long runs of lapses and of long gaps.
fixed.push(Array.from({ length: 12 }, (_, i) => [i === 0 ? 0 : 1, 1]));
fixed.push(Array.from({ length: 12 }, (_, i) => [i === 0 ? 0 : 3650, 3]));
fixed.push(Array.from({ length: 10 }, (_, i) => [0, i % 2 ? 1 : 3]));
fixed.push(Array.from({ length: 10 }, (_, i) => [0, 3]));
fixed.push(Array.from({ length: 8 }, (_, i) => [0, 4]));

const total = 260;
for (let seq = 0; seq < total; seq++) {
  let state = null;
  let interval = 0;
  const steps = seq < fixed.length ? fixed[seq] : null;
  const n = steps ? steps.length : 2 + pick(8);
  for (let step = 0; step < n; step++) {
    const elapsed = steps ? steps[step][0] : step === 0 ? 0 : gap(interval);
    const g = steps ? steps[step][1] : grade();
    const r = state ? forgetting_curve(default_w, elapsed, state.stability) : 0;
    state = scheduler.next_state(state, elapsed, g);
    interval = scheduler.next_interval(state.stability, elapsed);
    lines.push([seq, step, elapsed, g, r.toPrecision(12), state.stability, state.difficulty, interval].join('\t'));
  }
}
process.stdout.write(lines.join('\n') + '\n');
