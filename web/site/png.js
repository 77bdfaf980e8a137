// The PNG file of the picture: one pixel per picture pixel, one bit a pixel (as the desktop
// writes it), its resolution recorded. Rows are drawn in strips, so a picture larger than any
// canvas can still be written, and compressed by the browser's own deflate.
import { strokePicture } from './strokes.js';

// About eight million pixels a strip, however wide the picture.
const kStripPixels = 8 << 20;
const kMetersPerInch = 0.0254;

let crcTable = null;
function crc32(bytes, crc = 0xFFFFFFFF) {
  crcTable ??= Array.from({ length: 256 }, (_, n) => {
    let c = n;
    for (let k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320 ^ (c >>> 1) : c >>> 1;
    return c >>> 0;
  });
  for (const byte of bytes) crc = crcTable[(crc ^ byte) & 0xFF] ^ (crc >>> 8);
  return crc;
}

function chunk(type, data) {
  const bytes = new Uint8Array(12 + data.length);
  const view = new DataView(bytes.buffer);
  view.setUint32(0, data.length);
  bytes.set(new TextEncoder().encode(type), 4);
  bytes.set(data, 8);
  view.setUint32(8 + data.length, (crc32(bytes.subarray(4, 8 + data.length)) ^ 0xFFFFFFFF) >>> 0);
  return bytes;
}

function header(width, height) {
  const data = new Uint8Array(13);
  const view = new DataView(data.buffer);
  view.setUint32(0, width);
  view.setUint32(4, height);
  data.set([1, 0, 0, 0, 0], 8);  // one bit, grayscale, deflate, no filter method, no interlace
  return data;
}

function resolution(dotsPerInch) {
  const perMeter = Math.round(dotsPerInch / kMetersPerInch);
  const data = new Uint8Array(9);
  const view = new DataView(data.buffer);
  view.setUint32(0, perMeter);
  view.setUint32(4, perMeter);
  data[8] = 1;  // the unit is the meter
  return data;
}

// Eight pixels a byte, leftmost in the high bit, light pixels (128 and up) white; each row led
// by its filter byte, 0.
function packRows(rgba, width, rows) {
  const stride = 1 + Math.ceil(width / 8);
  const packed = new Uint8Array(stride * rows);
  for (let y = 0; y < rows; ++y) {
    for (let x = 0; x < width; ++x) {
      if (rgba[(y * width + x) * 4] >= 128) packed[y * stride + 1 + (x >> 3)] |= 0x80 >> (x & 7);
    }
  }
  return packed;
}

export async function pngFile(drawing, dotsPerInch) {
  const { width, height } = drawing;
  const stripRows = Math.max(1, Math.min(height, Math.floor(kStripPixels / width)));
  const canvas = new OffscreenCanvas(width, stripRows);
  const context = canvas.getContext('2d', { willReadFrequently: true });
  const compressor = new CompressionStream('deflate');
  const compressed = new Response(compressor.readable).arrayBuffer();
  const writer = compressor.writable.getWriter();
  for (let top = 0; top < height; top += stripRows) {
    const rows = Math.min(stripRows, height - top);
    strokePicture(context, drawing, { top });
    const pixels = context.getImageData(0, 0, width, rows).data;
    await writer.write(packRows(pixels, width, rows));
  }
  await writer.close();
  const parts = [
    new Uint8Array([0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A]),
    chunk('IHDR', header(width, height)),
    chunk('pHYs', resolution(dotsPerInch)),
    chunk('IDAT', new Uint8Array(await compressed)),
    chunk('IEND', new Uint8Array()),
  ];
  return { bytes: new Blob(parts) };
}
