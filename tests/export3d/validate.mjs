// Runs the Khronos glTF validator over one .glb or .gltf file (with the files it names beside it)
// and prints its counts and messages; exits 1 when it reports an error.
// Usage: node validate.mjs VALIDATOR_FOLDER FILE
import fs from 'fs';
import path from 'path';
import { pathToFileURL } from 'url';

const [validatorFolder, file] = process.argv.slice(2);
const validator = await import(pathToFileURL(path.join(validatorFolder, 'module.mjs')).href);
const report = await validator.validateBytes(new Uint8Array(fs.readFileSync(file)), {
    uri: path.basename(file),
    maxIssues: 0,
    externalResourceFunction: (uri) =>
        new Promise((resolve, reject) => {
            fs.readFile(path.resolve(path.dirname(file), decodeURIComponent(uri)), (error, data) =>
                error ? reject(error.toString()) : resolve(new Uint8Array(data)));
        }),
});
const issues = report.issues;
console.log(`errors ${issues.numErrors} warnings ${issues.numWarnings} infos ${issues.numInfos} hints ${issues.numHints}`);
for (const message of issues.messages)
    console.log(`${['error', 'warning', 'info', 'hint'][message.severity]} ${message.code} ${message.pointer ?? ''} ${message.message}`);
console.log(`resources ${report.info.resources.length} drawCalls ${report.info.drawCallCount} vertices ${report.info.totalVertexCount} triangles ${report.info.totalTriangleCount}`);
process.exit(issues.numErrors > 0 ? 1 : 0);
