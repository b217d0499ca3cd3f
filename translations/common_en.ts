<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>common</name>
    <message>
        <source>O arquivo &apos;%1&apos; está bloqueado por outro usuário.</source>
        <translation>The file &apos;%1&apos; is locked by another user.</translation>
    </message>
    <message>
        <source>Não há espaço em disco para gravar &apos;%1&apos; (%2).</source>
        <translation>There is no disk space left to write &apos;%1&apos; (%2).</translation>
    </message>
    <message>
        <source>Erro de disco ao gravar &apos;%1&apos; (%2).</source>
        <translation>Disk error while writing &apos;%1&apos; (%2).</translation>
    </message>
    <message>
        <source>Formato de banco de dados não reconhecido: &apos;%1&apos; (%2).</source>
        <translation>Unrecognized database format: &apos;%1&apos; (%2).</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo &apos;%1&apos; (%2).</source>
        <translation>Could not open the file &apos;%1&apos; (%2).</translation>
    </message>
    <message>
        <source>O arquivo &apos;%1&apos; foi movido ou apagado enquanto estava aberto.</source>
        <translation>The file &apos;%1&apos; was moved or deleted while it was open.</translation>
    </message>
    <message>
        <source>Não é possível atualizar: o banco de dados é somente leitura (%1).</source>
        <translation>Cannot update: the database is read-only (%1).</translation>
    </message>
    <message>
        <source>Não foi possível criar &apos;%1&apos;: %2</source>
        <translation>Could not create &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Não foi possível encontrar o arquivo &apos;%1&apos;.</source>
        <translation>Could not find the file &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>O banco de dados não está aberto.</source>
        <translation>The database is not open.</translation>
    </message>
    <message>
        <source>O mecanismo de banco de dados não encontrou a tabela ou consulta &apos;%1&apos;.</source>
        <translation>The database engine could not find the table or query &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Não é possível atualizar: o arquivo &apos;%1&apos; é somente leitura.</source>
        <translation>Cannot update: the file &apos;%1&apos; is read-only.</translation>
    </message>
    <message>
        <source>A transação foi desfeita; nada foi gravado.</source>
        <translation>The transaction was rolled back; nothing was saved.</translation>
    </message>
    <message>
        <source>O arquivo &apos;%1&apos; já existe.</source>
        <translation>The file &apos;%1&apos; already exists.</translation>
    </message>
    <message>
        <source>Não foi possível gravar &apos;%1&apos; no disco.</source>
        <translation>Could not write &apos;%1&apos; to the disk.</translation>
    </message>
    <message>
        <source>O campo &apos;%1&apos; não existe na tabela &apos;%2&apos; deste banco de dados.</source>
        <translation>The field &apos;%1&apos; does not exist in the table &apos;%2&apos; of this database.</translation>
    </message>
    <message>
        <source>Item não encontrado nesta coleção: &apos;%1&apos;.</source>
        <translation>Item not found in this collection: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>O conjunto de registros está fechado.</source>
        <translation>The recordset is closed.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; não é um índice desta tabela.</source>
        <translation>&apos;%1&apos; is not an index of this table.</translation>
    </message>
    <message>
        <source>Busca por índice só em tabelas.</source>
        <translation>Index searches work on tables only.</translation>
    </message>
    <message>
        <source>Operador de busca inválido: &apos;%1&apos;.</source>
        <translation>Invalid search operator: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Nenhum registro atual.</source>
        <translation>No current record.</translation>
    </message>
    <message>
        <source>Não é possível atualizar: o conjunto de registros é somente leitura.</source>
        <translation>Cannot update: the recordset is read-only.</translation>
    </message>
    <message>
        <source>Erro de conversão de tipo de dados no campo &apos;%1&apos; (valor &apos;%2&apos;).</source>
        <translation>Data type conversion error in the field &apos;%1&apos; (value &apos;%2&apos;).</translation>
    </message>
    <message>
        <source>Atualização sem Edit ou AddNew.</source>
        <translation>Update without Edit or AddNew.</translation>
    </message>
    <message>
        <source>O registro foi excluído; nada foi gravado.</source>
        <translation>The record was deleted; nothing was saved.</translation>
    </message>
    <message>
        <source>O registro já tinha sido excluído.</source>
        <translation>The record had already been deleted.</translation>
    </message>
    <message>
        <source>Erro %1: %2</source>
        <translation>Error %1: %2</translation>
    </message>
    <message>
        <source>falha desconhecida</source>
        <translation>unknown failure</translation>
    </message>
    <message>
        <source>Disco cheio!</source>
        <translation>Disk full!</translation>
    </message>
    <message>
        <source>O disco está cheio: não foi possível gravar em %1.</source>
        <translation>The disk is full: could not write to %1.</translation>
    </message>
    <message>
        <source>libere espaço e tente de novo.</source>
        <translation>free some space and try again.</translation>
    </message>
    <message>
        <source>Somente leitura!</source>
        <translation>Read-only!</translation>
    </message>
    <message>
        <source>O arquivo %1 é somente leitura: não foi possível gravar nele.</source>
        <translation>The file %1 is read-only: could not write to it.</translation>
    </message>
    <message>
        <source>dê permissão de gravação ao arquivo e à sua pasta e tente de novo.</source>
        <translation>give the file and its folder write permission and try again.</translation>
    </message>
    <message>
        <source>Arquivo em uso!</source>
        <translation>File in use!</translation>
    </message>
    <message>
        <source>Outro programa está usando %1: não foi possível gravar nele.</source>
        <translation>Another program is using %1: could not write to it.</translation>
    </message>
    <message>
        <source>feche o outro programa e tente de novo.</source>
        <translation>close the other program and try again.</translation>
    </message>
    <message>
        <source>Erro de disco!</source>
        <translation>Disk error!</translation>
    </message>
    <message>
        <source>O disco falhou ao gravar em %1.</source>
        <translation>The disk failed while writing to %1.</translation>
    </message>
    <message>
        <source>verifique o disco e tente de novo.</source>
        <translation>check the disk and try again.</translation>
    </message>
    <message>
        <source>%1 Nada foi alterado; %2</source>
        <translation>%1 Nothing was changed; %2</translation>
    </message>
    <message>
        <source>Erro inesperado; o programa será encerrado.

%1</source>
        <translation>Unexpected error; the program will close.

%1</translation>
    </message>
</context>
</TS>
