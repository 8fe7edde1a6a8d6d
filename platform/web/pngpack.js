// Recompresses PNGs in place: the game's picture writer stores its pixels uncompressed, which
// is right for its own small files but makes the 512-pixel install icon a megabyte to download.
// Usage: node pngpack.js FILE...
'use strict';
const fs = require('fs');
const zlib = require('zlib');

function chunk(type, data) {
  const head = Buffer.alloc(8);
  head.writeUInt32BE(data.length, 0);
  head.write(type, 4, 'latin1');
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(zlib.crc32(Buffer.concat([head.subarray(4), data])), 0);
  return Buffer.concat([head, data, crc]);
}

for (const file of process.argv.slice(2)) {
  const png = fs.readFileSync(file);
  const kept = [png.subarray(0, 8)], pixels = [];
  let ended = false;
  for (let at = 8; at < png.length && !ended;) {
    const length = png.readUInt32BE(at), type = png.toString('latin1', at + 4, at + 8);
    const whole = png.subarray(at, at + 12 + length);
    if (type === 'IDAT') pixels.push(whole.subarray(8, 8 + length));
    else if (type === 'IEND') ended = true;
    else kept.push(whole);
    at += 12 + length;
  }
  if (!ended || !pixels.length) throw new Error(`${file}: not a whole PNG`);
  const packed = zlib.deflateSync(zlib.inflateSync(Buffer.concat(pixels)), { level: 9 });
  fs.writeFileSync(`${file}.tmp`, Buffer.concat([...kept, chunk('IDAT', packed), chunk('IEND', Buffer.alloc(0))]));
  fs.renameSync(`${file}.tmp`, file);
}
