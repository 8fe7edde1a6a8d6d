// The page's font cut down to the characters the game and its page show: Windows-1252 and the
// few symbols of the page itself. Every glyph keeps its number, so the positioning tables stay
// valid as they are; the glyphs nobody reaches are emptied and their characters unmapped, so the
// browser takes another font for them instead of drawing nothing.
// Usage: node font_subset.js IN.ttf OUT.ttf
'use strict';
const fs = require('fs');

const EXTRA = [0x2192, 0x2713, 0x25b8]; // the page's arrow, check mark and submenu mark
const DROPPED = new Set(['FFTM', 'MATH']);

function characters() {
  const decoder = new TextDecoder('windows-1252');
  const out = new Set(EXTRA);
  for (let b = 0x20; b < 0x100; b++) {
    const ch = decoder.decode(new Uint8Array([b])).codePointAt(0);
    if (ch >= 0x20 && !(ch >= 0x7f && ch < 0xa0)) out.add(ch);
  }
  return [...out].sort((a, b) => a - b);
}

function tables(font) {
  const out = new Map();
  for (let i = 0, n = font.readUInt16BE(4); i < n; i++) {
    const at = 12 + 16 * i;
    const offset = font.readUInt32BE(at + 8);
    out.set(font.toString('latin1', at, at + 4), font.subarray(offset, offset + font.readUInt32BE(at + 12)));
  }
  return out;
}

// The glyph of each character, from the (3,10) or (3,1) map.
function glyphOf(cmap) {
  const subtables = [];
  for (let i = 0; i < cmap.readUInt16BE(2); i++) {
    const at = 4 + 8 * i;
    subtables.push([cmap.readUInt16BE(at), cmap.readUInt16BE(at + 2), cmap.readUInt32BE(at + 4)]);
  }
  const wide = subtables.find(([p, e]) => p === 3 && e === 10);
  if (wide && cmap.readUInt16BE(wide[2]) === 12) {
    const t = wide[2];
    return (ch) => {
      for (let i = 0, n = cmap.readUInt32BE(t + 12); i < n; i++) {
        const g = t + 16 + 12 * i;
        if (ch >= cmap.readUInt32BE(g) && ch <= cmap.readUInt32BE(g + 4))
          return cmap.readUInt32BE(g + 8) + ch - cmap.readUInt32BE(g);
      }
      return 0;
    };
  }
  const t = subtables.find(([p, e]) => p === 3 && e === 1)[2];
  const segments = cmap.readUInt16BE(t + 6) / 2;
  const ends = t + 14, starts = ends + 2 * segments + 2, deltas = starts + 2 * segments;
  const ranges = deltas + 2 * segments;
  return (ch) => {
    for (let i = 0; i < segments; i++) {
      if (ch > cmap.readUInt16BE(ends + 2 * i)) continue;
      const start = cmap.readUInt16BE(starts + 2 * i);
      if (ch < start) return 0;
      const delta = cmap.readUInt16BE(deltas + 2 * i), range = cmap.readUInt16BE(ranges + 2 * i);
      if (range === 0) return (ch + delta) & 0xffff;
      const g = cmap.readUInt16BE(ranges + 2 * i + range + 2 * (ch - start));
      return g === 0 ? 0 : (g + delta) & 0xffff;
    }
    return 0;
  };
}

// A format 4 map of the kept characters, one segment each.
function cmapOf(pairs) {
  const segments = pairs.length + 1;
  const sub = Buffer.alloc(16 + 8 * segments);
  let power = 1;
  while (power * 2 <= segments) power *= 2;
  [4, sub.length, 0, 2 * segments, 2 * power, Math.log2(power), 2 * (segments - power)]
    .forEach((v, i) => sub.writeUInt16BE(v, 2 * i));
  const ends = 14, starts = ends + 2 * segments + 2, deltas = starts + 2 * segments;
  [...pairs, [0xffff, 0]].forEach(([ch, g], i) => {
    sub.writeUInt16BE(ch, ends + 2 * i);
    sub.writeUInt16BE(ch, starts + 2 * i);
    sub.writeUInt16BE(ch === 0xffff ? 1 : (g - ch) & 0xffff, deltas + 2 * i);
  });
  const head = Buffer.alloc(12);
  head.writeUInt16BE(1, 2);
  head.writeUInt16BE(3, 4);
  head.writeUInt16BE(1, 6);
  head.writeUInt32BE(12, 8);
  return Buffer.concat([head, sub]);
}

// The glyphs of a coverage table, in their coverage order.
function coverage(t, at) {
  const out = [];
  const n = t.readUInt16BE(at + 2);
  if (t.readUInt16BE(at) === 1) {
    for (let i = 0; i < n; i++) out.push(t.readUInt16BE(at + 4 + 2 * i));
  } else {
    for (let i = 0; i < n; i++)
      for (let g = t.readUInt16BE(at + 4 + 6 * i); g <= t.readUInt16BE(at + 6 + 6 * i); g++) out.push(g);
  }
  return out;
}

// The glyphs substitutions can make of the kept glyphs (single, multiple, alternate and
// ligature lookups, also behind an extension): a ligature such as "fi" is drawn from its own glyph.
function substitutes(gsub, kept) {
  const found = [];
  const list = gsub.readUInt16BE(8);
  const visit = (type, at) => {
    if (type === 7) return visit(gsub.readUInt16BE(at + 2), at + gsub.readUInt32BE(at + 4));
    const format = gsub.readUInt16BE(at);
    const covered = coverage(gsub, at + gsub.readUInt16BE(at + 2));
    covered.forEach((g, i) => {
      if (!kept.has(g)) return;
      if (type === 1 && format === 1) found.push((g + gsub.readInt16BE(at + 4)) & 0xffff);
      if (type === 1 && format === 2) found.push(gsub.readUInt16BE(at + 6 + 2 * i));
      if (type === 2 || type === 3) {
        const set = at + gsub.readUInt16BE(at + 6 + 2 * i);
        for (let k = 0; k < gsub.readUInt16BE(set); k++) found.push(gsub.readUInt16BE(set + 2 + 2 * k));
      }
      if (type === 4) {
        const set = at + gsub.readUInt16BE(at + 6 + 2 * i);
        for (let k = 0; k < gsub.readUInt16BE(set); k++) {
          const lig = set + gsub.readUInt16BE(set + 2 + 2 * k);
          const parts = gsub.readUInt16BE(lig + 2);
          let all = true;
          for (let c = 1; c < parts; c++) all = all && kept.has(gsub.readUInt16BE(lig + 2 + 2 * c));
          if (all) found.push(gsub.readUInt16BE(lig));
        }
      }
    });
  };
  for (let i = 0; i < gsub.readUInt16BE(list); i++) {
    const lookup = list + gsub.readUInt16BE(list + 2 + 2 * i);
    for (let k = 0; k < gsub.readUInt16BE(lookup + 4); k++)
      visit(gsub.readUInt16BE(lookup), lookup + gsub.readUInt16BE(lookup + 6 + 2 * k));
  }
  return found.filter((g) => !kept.has(g));
}

// The glyphs a composite glyph is made of.
function components(glyph) {
  const out = [];
  if (glyph.length < 10 || glyph.readInt16BE(0) >= 0) return out;
  for (let at = 10, more = true; more;) {
    const flags = glyph.readUInt16BE(at);
    out.push(glyph.readUInt16BE(at + 2));
    at += 4 + (flags & 1 ? 4 : 2) + (flags & 8 ? 2 : flags & 0x40 ? 4 : flags & 0x80 ? 8 : 0);
    more = (flags & 0x20) !== 0;
  }
  return out;
}

function checksum(data) {
  const padded = Buffer.concat([data, Buffer.alloc((4 - (data.length % 4)) % 4)]);
  let sum = 0;
  for (let i = 0; i < padded.length; i += 4) sum = (sum + padded.readUInt32BE(i)) >>> 0;
  return sum;
}

function subset(font) {
  const t = tables(font);
  const count = t.get('maxp').readUInt16BE(4);
  const longLoca = t.get('head').readInt16BE(50) === 1;
  const loca = (g) => (longLoca ? t.get('loca').readUInt32BE(4 * g) : 2 * t.get('loca').readUInt16BE(2 * g));
  const glyph = (g) => t.get('glyf').subarray(loca(g), loca(g + 1));
  const glyphOfChar = glyphOf(t.get('cmap'));
  const pairs = characters().map((ch) => [ch, glyphOfChar(ch)]).filter(([, g]) => g > 0 && g < count);
  const kept = new Set([0]);
  const todo = pairs.map(([, g]) => g);
  while (todo.length) {
    while (todo.length) {
      const g = todo.pop();
      if (kept.has(g) || g >= count) continue;
      kept.add(g);
      todo.push(...components(glyph(g)));
    }
    if (t.has('GSUB')) todo.push(...substitutes(t.get('GSUB'), kept));
  }
  const parts = [];
  const newLoca = Buffer.alloc(4 * (count + 1));
  let at = 0;
  for (let g = 0; g < count; g++) {
    newLoca.writeUInt32BE(at, 4 * g);
    if (!kept.has(g)) continue;
    const data = glyph(g);
    const padding = Buffer.alloc((4 - (data.length % 4)) % 4);
    parts.push(data, padding);
    at += data.length + padding.length;
  }
  newLoca.writeUInt32BE(at, 4 * count);
  const head = Buffer.from(t.get('head'));
  head.writeUInt32BE(0, 8);
  head.writeInt16BE(1, 50);
  const post = Buffer.from(t.get('post').subarray(0, 32));
  post.writeUInt32BE(0x00030000, 0); // no glyph names
  const out = new Map(t);
  for (const tag of DROPPED) out.delete(tag);
  out.set('glyf', Buffer.concat(parts)).set('loca', newLoca).set('head', head).set('post', post);
  out.set('cmap', cmapOf(pairs));
  return write(out);
}

function write(t) {
  const tags = [...t.keys()].sort();
  const header = Buffer.alloc(12 + 16 * tags.length);
  let power = 1;
  while (power * 2 <= tags.length) power *= 2;
  header.writeUInt32BE(0x00010000, 0);
  [tags.length, 16 * power, Math.log2(power), 16 * (tags.length - power)]
    .forEach((v, i) => header.writeUInt16BE(v, 4 + 2 * i));
  const body = [];
  let offset = header.length;
  tags.forEach((tag, i) => {
    const data = t.get(tag);
    const at = 12 + 16 * i;
    header.write(tag, at, 'latin1');
    header.writeUInt32BE(checksum(data), at + 4);
    header.writeUInt32BE(offset, at + 8);
    header.writeUInt32BE(data.length, at + 12);
    const padding = Buffer.alloc((4 - (data.length % 4)) % 4);
    body.push(data, padding);
    offset += data.length + padding.length;
  });
  const font = Buffer.concat([header, ...body]);
  const headAt = font.readUInt32BE(12 + 16 * tags.indexOf('head') + 8);
  font.writeUInt32BE((0xb1b0afba - checksum(font)) >>> 0, headAt + 8);
  return font;
}

if (require.main === module) {
  const [input, output] = process.argv.slice(2);
  const font = subset(fs.readFileSync(input));
  fs.writeFileSync(output + '.tmp', font);
  fs.renameSync(output + '.tmp', output);
}
module.exports = { subset, tables, glyphOf, characters };
